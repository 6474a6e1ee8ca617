// Pictures of the image (project item kind 1): the item's value is the
// picture's Transparent flag, its data a packed device-independent bitmap
// (BITMAPINFOHEADER, colour table, pixel rows), as tools/imagedata writes it.
#pragma once
#include <windows.h>

struct ObjectInstance;

// The picture's size; false for nil or for data that is no bitmap.
bool PictureSize(ObjectInstance* picture, int* width, int* height);
// Draws the picture with its top-left corner at x, y, at most width x height
// of it (negative: all of it).
void DrawPicture(HDC dc, ObjectInstance* picture, int x, int y, int width = -1, int height = -1);
