// Opening an address with the shell: the default browser for a web address,
// the associated program for a file. What the shell makes of it is not
// examined, and a failure is not reported.
#include "core/string.h"
#include <windows.h>
#include <shellapi.h>

namespace {

void OpenWithShell(StringObject* address) {
    RuntimeLockString(address);
    // An empty address would make the shell open a folder window of its own
    // choosing; there is nothing to open, so nothing is shown.
    if (StringLength(address) > 0)
        ShellExecuteA(nullptr, "open", StringText(address), nullptr, nullptr, SW_SHOW);
    RuntimeUnlockString(address);
}

} // namespace

extern "C" void GlobalShowURL(StringObject* address) { OpenWithShell(address); }

extern "C" void RuntimeShowURL(uint32_t /*ignored*/, StringObject* address) { OpenWithShell(address); }
