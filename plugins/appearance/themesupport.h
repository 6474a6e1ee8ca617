// Visual styles for the appearance controls: on Windows XP only, uxtheme
// is loaded while a themed control lives and its theme data opened.
#pragma once
#include "drawing.h"

namespace apctl {

// Windows XP exactly: platform 2, version 5.1. Computed once.
bool IsWindowsXP();

// One theme class ("Toolbar", "Spin") shared by the controls of a kind. The
// handle stays open while any of them lives.
class SharedTheme {
public:
    explicit constexpr SharedTheme(const wchar_t* themeClass) : class_(themeClass) {}
    void Acquire();    // a control of the kind was constructed
    void Release();    // one was destroyed
    ThemePainter painter() const;
private:
    const wchar_t* class_;
    int users_ = 0;
    HANDLE theme_ = nullptr;
};

} // namespace apctl
