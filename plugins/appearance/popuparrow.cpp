// The pop-up arrow glyph: a filled black triangle, large (8 pixels across)
// or small (4), pointing right, left, up or down.
#include "drawing.h"

namespace {

struct Glyph {
    POINT a, b, c;
};

const Glyph kGlyphs[8] = {
    {{0, 0}, {4, 4}, {0, 8}},  // 0 large, right
    {{4, 0}, {0, 4}, {4, 8}},  // 1 large, left
    {{0, 4}, {4, 0}, {8, 4}},  // 2 large, up
    {{0, 0}, {8, 0}, {4, 4}},  // 3 large, down
    {{0, 0}, {2, 2}, {0, 4}},  // 4 small, right
    {{2, 0}, {0, 2}, {2, 4}},  // 5 small, left
    {{0, 2}, {2, 0}, {4, 2}},  // 6 small, up
    {{0, 0}, {4, 0}, {2, 2}},  // 7 small, down
};

POINT At(POINT p, int left, int top) { return POINT{left + p.x, top + p.y}; }

} // namespace

void DrawPopupArrowGlyph(HDC dc, int facing, int left, int top) {
    if (facing < 0 || facing > 7) return;
    const Glyph& glyph = kGlyphs[facing];
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    DrawTriangle(dc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)), At(glyph.a, left, top),
                 At(glyph.b, left, top), At(glyph.c, left, top));
    SelectObject(dc, oldPen);
}
