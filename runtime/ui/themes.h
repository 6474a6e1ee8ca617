// The system's visual styles, which the runtime uses on Windows XP only. A
// routine that could not be found stays null; drawing code treats a null
// routine as the absence of a theme.
#pragma once
#include <windows.h>

typedef HANDLE HTHEME_;

struct ThemeRoutines {
    HTHEME_(WINAPI* OpenThemeData)(HWND, LPCWSTR);
    HRESULT(WINAPI* CloseThemeData)(HTHEME_);
    COLORREF(WINAPI* GetThemeSysColor)(HTHEME_, int);
    HRESULT(WINAPI* GetThemeColor)(HTHEME_, int, int, int, COLORREF*);
    BOOL(WINAPI* IsAppThemed)();
    BOOL(WINAPI* IsThemeActive)();
    BOOL(WINAPI* IsThemePartDefined)(HTHEME_, int, int);
    HRESULT(WINAPI* DrawThemeBackground)(HTHEME_, HDC, int, int, const RECT*, const RECT*);
    HRESULT(WINAPI* GetCurrentThemeName)(LPWSTR, int, LPWSTR, int, LPWSTR, int);
    HRESULT(WINAPI* GetThemeMetric)(HTHEME_, HDC, int, int, int, int*);
    int(WINAPI* GetThemeSysSize)(HTHEME_, int);
};
extern ThemeRoutines gTheme;

// Platform 2, version 5.1 exactly; asked once and remembered.
bool IsWindowsXP();

// Loads "uxtheme.dll" and looks up its routines; false when it does not load.
bool LoadThemeRoutines();
void ReleaseThemeRoutines();
