// The separator: an etched line across the middle, horizontal when the
// bounds are wider than high, vertical otherwise.
#include "drawing.h"

namespace {

constexpr int kToolbarSeparator = 5;      // vertical
constexpr int kToolbarSeparatorVert = 6;  // horizontal

} // namespace

void DrawSeparator(HDC dc, const RECT& bounds, const ThemePainter& theme) {
    const bool horizontal = bounds.right - bounds.left > bounds.bottom - bounds.top;
    const LONG middle = horizontal ? (bounds.top + bounds.bottom) / 2 : (bounds.left + bounds.right) / 2;
    if (theme.themed()) {
        if (horizontal)
            theme.Draw(dc, kToolbarSeparatorVert, 1, RECT{bounds.left, middle - 1, bounds.right, middle + 2});
        else
            theme.Draw(dc, kToolbarSeparator, 1, RECT{middle - 1, bounds.top, middle + 2, bounds.bottom});
        return;
    }
    for (int line = 0; line < 2; line++) {
        COLORREF colour = GetSysColor(line == 0 ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT);
        LONG at = middle + line;
        const POINT across[] = {{bounds.left, at}, {bounds.right, at}};
        const POINT down[] = {{at, bounds.top}, {at, bounds.bottom}};
        DrawPolyline(dc, colour, horizontal ? across : down, 2);
    }
}
