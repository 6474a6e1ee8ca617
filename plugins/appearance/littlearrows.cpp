// The little arrows: an up and a down half in a 13 x 23 area at the
// control's top-left, each pressed in while the mouse holds it.
#include "drawing.h"

namespace {

constexpr int kWidth = 13, kHeight = 23, kUpHeight = 12;
constexpr int kSpinUp = 1, kSpinDown = 2;
constexpr int kNormal = 1, kHot = 2, kPressed = 3, kDisabled = 4;

void DrawHalf(HDC dc, const RECT& half, bool up, bool enabled, bool pressed) {
    FillRect(dc, &half, GetSysColorBrush(COLOR_BTNFACE));
    COLORREF light = GetSysColor(!enabled ? COLOR_BTNFACE : pressed ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT);
    COLORREF dark = GetSysColor(!enabled ? COLOR_BTNFACE : pressed ? COLOR_BTNFACE : COLOR_BTNSHADOW);
    const LONG l = half.left, t = half.top, r = half.right, b = half.bottom;
    const POINT lightEdge[] = {{l, b - 2}, {l, t}, {up ? r - 1 : r - 2, t}};
    DrawPolyline(dc, light, lightEdge, 3);
    const POINT darkEdge[] = {{l + 1, b - 1}, {r - 1, b - 1}, {r - 1, up ? t : t + 1}};
    DrawPolyline(dc, dark, darkEdge, 3);

    const LONG d = pressed ? 1 : 0;
    HBRUSH arrow = static_cast<HBRUSH>(GetStockObject(enabled ? BLACK_BRUSH : LTGRAY_BRUSH));
    if (up)
        DrawTriangle(dc, arrow, {l + 2 + d, t + 6 + d}, {l + 5 + d, t + 3 + d}, {l + 8 + d, t + 6 + d});
    else
        DrawTriangle(dc, arrow, {l + 2 + d, t + 3 + d}, {l + 5 + d, t + 6 + d}, {l + 8 + d, t + 3 + d});
}

void DrawThemed(HDC dc, const RECT& bounds, const LittleArrowsLook& look, const ThemePainter& theme) {
    const RECT up = {bounds.left, bounds.top, bounds.left + kWidth, bounds.top + 11};
    const RECT down = {bounds.left, bounds.top + kUpHeight, bounds.left + kWidth, bounds.top + kHeight};
    if (!look.enabled) {
        theme.Draw(dc, kSpinUp, kDisabled, up);
        theme.Draw(dc, kSpinDown, kDisabled, down);
    } else if (look.pressedPart == kUpPart) {
        theme.Draw(dc, kSpinUp, kPressed, up);
    } else if (look.pressedPart == kDownPart) {
        theme.Draw(dc, kSpinDown, kPressed, down);
    } else {
        theme.Draw(dc, kSpinUp, look.hotPart == kUpPart ? kHot : kNormal, up);
        theme.Draw(dc, kSpinDown, look.hotPart == kDownPart ? kHot : kNormal, down);
    }
}

} // namespace

int LittleArrowsPartAt(const RECT& bounds, int x, int y) {
    if (x < bounds.left || y < bounds.top || x >= bounds.left + kWidth || y >= bounds.top + kHeight)
        return kNoPart;
    return y < bounds.top + kUpHeight ? kUpPart : kDownPart;
}

void DrawLittleArrows(HDC dc, const RECT& bounds, const LittleArrowsLook& look,
                      const ThemePainter& theme) {
    if (theme.themed()) return DrawThemed(dc, bounds, look, theme);
    const LONG l = bounds.left, t = bounds.top;
    const RECT area = {l, t, l + kWidth, t + kHeight};
    FrameRect(dc, &area, static_cast<HBRUSH>(GetStockObject(look.enabled ? BLACK_BRUSH : DKGRAY_BRUSH)));
    const POINT middle[] = {{l, t + 11}, {l + 12, t + 11}};
    DrawPolyline(dc, RGB(0, 0, 0), middle, 2);
    DrawHalf(dc, RECT{l + 1, t + 1, l + 12, t + 11}, true, look.enabled, look.pressedPart == kUpPart);
    DrawHalf(dc, RECT{l + 1, t + 12, l + 12, t + 22}, false, look.enabled, look.pressedPart == kDownPart);
}
