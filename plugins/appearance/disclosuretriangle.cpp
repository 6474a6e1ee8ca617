// The disclosure triangle: closed it points right (Facing 0) or left, open
// it points down; raised by a highlight and a shadow line unless it is
// pressed or disabled.
#include "drawing.h"

namespace {

struct TriangleShape {
    POINT a, b, c;
    POINT highlightFrom, highlightTo;
    POINT shadowFrom, shadowTo;
};

const TriangleShape kClosedRight = {{2, 0}, {7, 5}, {2, 10}, {3, 2}, {3, 9}, {6, 5}, {3, 8}};
const TriangleShape kClosedLeft = {{7, 0}, {2, 5}, {7, 10}, {6, 2}, {6, 9}, {3, 5}, {7, 9}};
const TriangleShape kOpen = {{0, 2}, {10, 2}, {5, 7}, {2, 3}, {9, 3}, {8, 3}, {5, 6}};

POINT At(POINT p, const RECT& bounds) { return POINT{bounds.left + p.x, bounds.top + p.y}; }

} // namespace

void DrawDisclosureTriangle(HDC dc, const RECT& bounds, const DisclosureLook& look) {
    const TriangleShape& shape = look.value ? kOpen : look.facing == 0 ? kClosedRight : kClosedLeft;
    const bool raised = look.enabled && !look.pressed;
    HBRUSH brush = GetSysColorBrush(raised ? COLOR_BTNFACE : COLOR_BTNSHADOW);
    DrawTriangle(dc, brush, At(shape.a, bounds), At(shape.b, bounds), At(shape.c, bounds));
    if (!raised) return;
    const POINT highlight[] = {At(shape.highlightFrom, bounds), At(shape.highlightTo, bounds)};
    DrawPolyline(dc, GetSysColor(COLOR_BTNHIGHLIGHT), highlight, 2);
    const POINT shadow[] = {At(shape.shadowFrom, bounds), At(shape.shadowTo, bounds)};
    DrawPolyline(dc, GetSysColor(COLOR_BTNSHADOW), shadow, 2);
}
