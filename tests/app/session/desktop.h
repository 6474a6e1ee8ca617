// Acting on another program's windows as a person does: finding them by
// title, their controls by class, text or place, clicking with the mouse
// and typing on the keyboard (real input through SendInput).
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace desktop {

std::string TextOf(HWND window);
std::string ClassOf(HWND window);

// Every visible window of the process, top-level and child, in Z order.
std::vector<HWND> WindowsOf(DWORD processId);

// The first visible window of the process with that exact title; null when
// none appears within timeoutMs.
HWND WaitForWindow(DWORD processId, const std::string& title, DWORD timeoutMs = 60000);
bool WaitUntilGone(HWND window, DWORD timeoutMs = 60000);

// A child (at any depth) whose window text is text; null when none.
HWND ChildWithText(HWND parent, const std::string& text);
// The child (at any depth) whose top-left corner lies at left, top of
// parent's client area; null when none.
HWND ChildAt(HWND parent, int left, int top);
// Waits until a child with that text exists, up to timeoutMs.
HWND WaitForChildWithText(HWND parent, const std::string& text, DWORD timeoutMs = 60000);

// Whether the window has the keyboard focus of its program.
bool HasFocus(HWND window);

// A left click at the middle of the window (or at x, y of its client area).
void Click(HWND window);
void ClickAt(HWND window, int x, int y);
// Types the text into the focused control, key by key.
void Type(const std::string& text);
// Types the text into that control, key by key, as the keyboard's messages
// reach it (for a control whose window the X server does not let have the
// keyboard focus).
void TypeInto(HWND control, const std::string& text);

} // namespace desktop
