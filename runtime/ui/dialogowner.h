// The window that owns modal windows, message boxes and file dialogs.
#pragma once
#include <windows.h>

// The newest visible modal window, else the frame window in multiple-document
// mode, else the first window without a frame; null while no window exists.
HWND DialogOwner();
