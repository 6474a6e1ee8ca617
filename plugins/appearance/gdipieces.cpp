// Lines and triangles as the appearance controls draw them.
#include "drawing.h"

void DrawPolyline(HDC dc, COLORREF colour, const POINT* points, int count) {
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, points[0].x, points[0].y, nullptr);
    for (int i = 1; i < count; i++) LineTo(dc, points[i].x, points[i].y);
    SelectObject(dc, old);
    DeleteObject(pen);
}

void DrawTriangle(HDC dc, HBRUSH brush, POINT a, POINT b, POINT c) {
    const POINT points[] = {a, b, c};
    HGDIOBJ old = SelectObject(dc, brush);
    Polygon(dc, points, 3);
    SelectObject(dc, old);
}
