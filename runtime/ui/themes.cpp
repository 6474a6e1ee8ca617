// Finding the visual-style routines. They are looked up at run time because
// systems before Windows XP have no uxtheme.dll.
#include "themes.h"

ThemeRoutines gTheme;

namespace {

HMODULE themeLibrary;

bool AskIsWindowsXP() {
    OSVERSIONINFOEXA extended = {};
    extended.dwOSVersionInfoSize = sizeof extended;   // 156 bytes
    OSVERSIONINFOA& info = reinterpret_cast<OSVERSIONINFOA&>(extended);
    if (!GetVersionExA(&info)) {
        info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);   // 148 bytes
        if (!GetVersionExA(&info)) return false;
    }
    return info.dwPlatformId == VER_PLATFORM_WIN32_NT && info.dwMajorVersion == 5 &&
           info.dwMinorVersion == 1;
}

template <typename Routine>
void LookUp(Routine* routine, const char* name) {
    *routine = reinterpret_cast<Routine>(reinterpret_cast<void*>(GetProcAddress(themeLibrary, name)));
}

} // namespace

bool IsWindowsXP() {
    static const bool isXP = AskIsWindowsXP();
    return isXP;
}

bool LoadThemeRoutines() {
    themeLibrary = LoadLibraryA("uxtheme.dll");
    if (!themeLibrary) return false;
    LookUp(&gTheme.OpenThemeData, "OpenThemeData");
    LookUp(&gTheme.CloseThemeData, "CloseThemeData");
    LookUp(&gTheme.GetThemeSysColor, "GetThemeSysColor");
    LookUp(&gTheme.GetThemeColor, "GetThemeColor");
    LookUp(&gTheme.IsAppThemed, "IsAppThemed");
    LookUp(&gTheme.IsThemeActive, "IsThemeActive");
    LookUp(&gTheme.IsThemePartDefined, "IsThemePartDefined");
    LookUp(&gTheme.DrawThemeBackground, "DrawThemeBackground");
    LookUp(&gTheme.GetCurrentThemeName, "GetCurrentThemeName");
    LookUp(&gTheme.GetThemeMetric, "GetThemeMetric");
    LookUp(&gTheme.GetThemeSysSize, "GetThemeSysSize");
    return true;
}

void ReleaseThemeRoutines() {
    gTheme = ThemeRoutines{};
    FreeLibrary(themeLibrary);
    themeLibrary = nullptr;
}
