// The moving block that a progress bar without a maximum shows: a chunk 8
// pixels a step, drawn by the visual styles on Windows XP and by hand
// otherwise.
#pragma once
#include <windows.h>

// The block at position p in the rectangle; hwnd is the window whose theme
// data is asked for. Themed: the bar background over the rectangle and a
// chunk from left + 8p + 2 to left + 8p + 8, top + 2 to bottom - 2. Classic:
// a one-pixel frame (top and right in the button shadow colour, bottom and
// left in the highlight colour), the inside in the button face, and a block
// from left + 8p to left + 8p + 6, top + 2 to bottom - 2, in the selection
// colour.
void DrawProgressBlock(HWND hwnd, HDC dc, const RECT& bounds, int position);

// One step of the block within a bar of that width: forward until w - 1
// (w = width / 8), then back to 0, then forward again from 1.
void StepProgressBlock(int barWidth, int* position, bool* forward);
