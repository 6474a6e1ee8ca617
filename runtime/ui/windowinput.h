// Mouse, keyboard, paint and resize handling of runtime windows, called by
// the window procedures (windowprocedure.cpp). Positions are in the window's
// content coordinates.
#pragma once
#include "window.h"

// windowmouse.cpp
void HandleMouseDown(RuntimeWindow* window, int x, int y, bool rightButton);
void HandleMouseUp(RuntimeWindow* window, int x, int y);
// The cursor at a screen point: enter, move, exit and drag.
void TrackMouseAt(POINT screen);
// The click refusal of the modal stack: true when the click must be eaten.
bool RefusesActivation(HWND hwnd);

// windowpaint.cpp
void PaintWindow(RuntimeWindow* window);
void EraseWindow(RuntimeWindow* window, HDC dc);

// windowresize.cpp
void HandleResize(RuntimeWindow* window);
void HandleMove(RuntimeWindow* window);
void LimitSizing(RuntimeWindow* window, WPARAM edge, RECT* frame);
