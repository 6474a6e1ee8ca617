// The window procedures of the runtime's native window classes.
#pragma once
#include <windows.h>

LRESULT CALLBACK RuntimeWindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK DrawnPaneProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK FrameWindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
