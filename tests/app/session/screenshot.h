// A picture of a window as it stands on the screen, saved as a .bmp file.
#pragma once
#include <windows.h>
#include <string>

bool SaveWindowPicture(HWND window, const std::string& path);
