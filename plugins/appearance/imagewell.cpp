// The image well: a sunken frame around a white well that shows a picture,
// centred, or from the well's top-left when the picture is larger.
#include "drawing.h"

void DrawImageWellFrame(HDC dc, const RECT& bounds) {
    const LONG l = bounds.left, t = bounds.top, r = bounds.right, b = bounds.bottom;
    const POINT grey[] = {{l, b - 2}, {l, t}, {r - 2, t}};
    DrawPolyline(dc, RGB(153, 153, 153), grey, 3);
    const POINT white[] = {{r - 1, t}, {r - 1, b - 1}, {l, b - 1}};
    DrawPolyline(dc, RGB(255, 255, 255), white, 3);
    RECT frame = bounds;
    InflateRect(&frame, -1, -1);
    FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    RECT well = ImageWellInside(bounds);
    FillRect(dc, &well, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

RECT ImageWellInside(const RECT& bounds) {
    RECT well = bounds;
    InflateRect(&well, -2, -2);
    return well;
}

RECT ImageWellPictureRect(const RECT& bounds, int width, int height) {
    RECT well = ImageWellInside(bounds);
    LONG wellWidth = well.right - well.left, wellHeight = well.bottom - well.top;
    LONG x = wellWidth < width ? well.left : well.left + (wellWidth - width) / 2;
    LONG y = wellHeight < height ? well.top : well.top + (wellHeight - height) / 2;
    return RECT{x, y, x + width, y + height};
}
