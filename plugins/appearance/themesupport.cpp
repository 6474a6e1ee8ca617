// The library is loaded once per themed control and freed again with it, so
// the module's own count keeps it loaded while any themed control lives.
#include "themesupport.h"

namespace apctl {

namespace {

using OpenThemeData = HANDLE(WINAPI*)(HWND, const wchar_t*);
using CloseThemeData = HRESULT(WINAPI*)(HANDLE);

struct ThemeLibrary {
    HMODULE module;
    OpenThemeData open;
    CloseThemeData close;
    ThemePainter::DrawBackground draw;
} library;

template <typename F>
F Routine(const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(library.module, name)));
}

void LoadThemeLibrary() {
    HMODULE module = LoadLibraryA("uxtheme.dll");
    if (!module) return;
    library.module = module;
    library.open = Routine<OpenThemeData>("OpenThemeData");
    library.close = Routine<CloseThemeData>("CloseThemeData");
    library.draw = Routine<ThemePainter::DrawBackground>("DrawThemeBackground");
}

void FreeThemeLibrary() {
    if (!library.module) return;
    if (!FreeLibrary(library.module) || !GetModuleHandleA("uxtheme.dll")) library = ThemeLibrary{};
}

} // namespace

bool IsWindowsXP() {
    static int answer = -1;
    if (answer < 0) {
        OSVERSIONINFOEXA version = {};
        version.dwOSVersionInfoSize = sizeof version;   // 156 bytes
        if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&version))) {
            version.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);   // 148 bytes
            GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&version));
        }
        answer = version.dwPlatformId == 2 && version.dwMajorVersion == 5 && version.dwMinorVersion == 1;
    }
    return answer == 1;
}

void SharedTheme::Acquire() {
    if (!IsWindowsXP()) return;
    LoadThemeLibrary();
    users_++;
    if (!theme_ && library.open) theme_ = library.open(nullptr, class_);
}

void SharedTheme::Release() {
    if (!IsWindowsXP() || users_ == 0) return;
    if (--users_ == 0 && theme_) {
        if (library.close) library.close(theme_);
        theme_ = nullptr;
    }
    FreeThemeLibrary();
}

ThemePainter SharedTheme::painter() const { return ThemePainter{theme_, theme_ ? library.draw : nullptr}; }

} // namespace apctl
