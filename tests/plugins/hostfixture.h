// The host fixture, loaded once per process (plug-ins install once): the
// image that stores tplugin.dll, fsel1.dll, pad64k.dll and tbusy.dll. Before
// it loads, the test holds system32\fsel1.dll open, so that fsel1 has to go
// to the Windows directory, and holds tbusy.dll open in both directories, so
// that it can be written nowhere.
#pragma once
#include "imagefixture.h"
#include <string>
#include <vector>

struct HostFixture {
    ImageFixture image{"plugins_host", "host"};
    bool loaded = false;
    std::vector<std::string> diagnostics;   // sent while the plug-ins registered

    template <typename F>
    F Routine(const char* symbol) { return reinterpret_cast<F>(image[symbol]); }
};

HostFixture& Host();
std::string SystemFolder();
std::string WindowsFolder();
