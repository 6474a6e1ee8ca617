// The placard: a raised panel, sunken while its Value is true, grey when
// disabled.
#include "drawing.h"

namespace {

void Frame(HDC dc, const RECT& rect, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FrameRect(dc, &rect, brush);
    DeleteObject(brush);
}

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

} // namespace

void DrawPlacard(HDC dc, const RECT& bounds, bool enabled, bool value) {
    RECT inside = bounds;
    InflateRect(&inside, -1, -1);
    if (!enabled) {
        Frame(dc, bounds, RGB(153, 153, 153));
        Fill(dc, inside, RGB(238, 238, 238));
        return;
    }
    FrameRect(dc, &bounds, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    Fill(dc, inside, GetSysColor(value ? COLOR_BTNSHADOW : COLOR_BTNFACE));
    const LONG l = inside.left, t = inside.top, r = inside.right, b = inside.bottom;
    const POINT light[] = {{l, b - 2}, {l, t}, {r - 1, t}};
    DrawPolyline(dc, GetSysColor(COLOR_BTNHIGHLIGHT), light, 3);
    const POINT dark[] = {{r - 1, t + 1}, {r - 1, b - 1}, {l, b - 1}};
    DrawPolyline(dc, GetSysColor(value ? COLOR_3DDKSHADOW : COLOR_BTNSHADOW), dark, 3);
}
