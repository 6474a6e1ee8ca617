// Drawing the bevel button.
#include "bevelbuttondrawing.h"

namespace {

constexpr int kToolbarButton = 1;
enum ToolbarState { kNormal = 1, kHot = 2, kPressed = 3, kChecked = 5, kHotChecked = 6 };

bool Down(const BevelLook& look) { return look.pressed || look.value; }

// Frame and bevel; returns the rectangle inside them.
RECT DrawFrame(HDC dc, const RECT& bounds, const BevelLook& look, const ThemePainter& theme) {
    RECT inside = bounds;
    InflateRect(&inside, -1, -1);
    if (!look.enabled) {
        if (!theme.themed()) FrameRect(dc, &bounds, static_cast<HBRUSH>(GetStockObject(DKGRAY_BRUSH)));
        return inside;
    }
    if (theme.themed()) {
        int state = look.pressed ? kPressed
                    : look.value  ? (look.hot ? kHotChecked : kChecked)
                    : look.hot    ? kHot
                                  : kNormal;
        theme.Draw(dc, kToolbarButton, state, inside);
        return inside;
    }
    FrameRect(dc, &bounds, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    const bool down = Down(look);
    for (int step = 0; step <= look.bevel; step++) {
        const LONG l = inside.left, t = inside.top, r = inside.right, b = inside.bottom;
        const POINT topLeft[] = {{l, b - 1}, {l, t}, {r, t}};
        DrawPolyline(dc, GetSysColor(down ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT), topLeft, 3);
        const POINT bottomRight[] = {{l + 1, b - 1}, {r - 1, b - 1}, {r - 1, t}};
        DrawPolyline(dc, GetSysColor(down ? COLOR_BTNFACE : COLOR_BTNSHADOW), bottomRight, 3);
        if (down) {
            const POINT deep[] = {{l, b}, {l, t}, {r, t}};
            DrawPolyline(dc, RGB(85, 85, 85), deep, 3);
        }
        InflateRect(&inside, -1, -1);
    }
    return inside;
}

// The caption as it shows: "&&" is one "&", a single "&" is left out.
int ShownCaption(const BevelLook& look, char* shown, int room) {
    int length = 0;
    for (int i = 0; i < look.captionLength && length < room; i++) {
        if (look.caption[i] == '&') {
            if (i + 1 < look.captionLength && look.caption[i + 1] == '&') shown[length++] = '&';
            if (i + 1 < look.captionLength && look.caption[i + 1] == '&') i++;
            continue;
        }
        shown[length++] = look.caption[i];
    }
    return length;
}

POINT IconPosition(const RECT& inside, const BevelLook& look) {
    const LONG w = look.iconWidth, h = look.iconHeight;
    LONG x = inside.left + (inside.right - inside.left - w) / 2;
    LONG y = inside.top + (inside.bottom - inside.top - h) / 2;
    const LONG left = inside.left + look.iconDX, right = inside.right - w - look.iconDX;
    const LONG top = inside.top + look.iconDY, bottom = inside.bottom - h - look.iconDY;
    switch (look.iconAlign) {
    case 0: case 2: x = left; break;
    case 3: x = right; break;
    case 4: y = top; break;
    case 5: y = bottom; break;
    case 6: x = left; y = top; break;
    case 7: x = left; y = bottom; break;
    case 8: x = right; y = top; break;
    case 9: x = right; y = bottom; break;
    default: break;
    }
    return POINT{x, y};
}

POINT CaptionPosition(const RECT& inside, const BevelLook& look, const POINT* icon, LONG width,
                      const TEXTMETRICA& metrics) {
    LONG x = inside.left + (inside.right - inside.left - width) / 2;
    LONG y = inside.top + (inside.bottom - inside.top - metrics.tmAscent - metrics.tmDescent -
                           metrics.tmExternalLeading) / 2;
    if (icon) {
        switch (look.captionPlacement) {
        case 2: x = icon->x + look.iconWidth + look.captionDelta; break;
        case 3: x = icon->x - width - look.captionDelta; break;
        case 4: y = icon->y + look.iconHeight + metrics.tmAscent; break;
        case 5: y = icon->y - metrics.tmDescent - metrics.tmExternalLeading; break;
        default: break;
        }
    }
    if (!icon || (look.captionPlacement != 2 && look.captionPlacement != 3)) {
        if (look.captionAlign == 0 || look.captionAlign == 2) x = inside.left + look.captionDelta;
        else if (look.captionAlign == 1) x = inside.right - width - look.captionDelta;
    }
    return POINT{x, y};
}

void DrawCaption(HDC dc, const RECT& bounds, POINT at, const BevelLook& look, const ThemePainter& theme) {
    int oldMode = SetBkMode(dc, TRANSPARENT);
    UINT oldAlign = SetTextAlign(dc, TA_TOP | TA_LEFT);
    COLORREF oldColour = GetTextColor(dc);
    auto draw = [&](LONG x, LONG y, COLORREF colour) {
        SetTextColor(dc, colour);
        RECT rect = {x, y, bounds.right, bounds.bottom};
        DrawTextA(dc, look.caption, look.captionLength, &rect, DT_SINGLELINE | DT_NOCLIP);
    };
    if (!look.enabled) {
        draw(at.x + 1, at.y + 1, GetSysColor(COLOR_BTNHIGHLIGHT));
        draw(at.x, at.y, GetSysColor(COLOR_BTNSHADOW));
    } else if (!look.pressed) {
        draw(at.x, at.y, GetSysColor(COLOR_BTNTEXT));
    } else {
        draw(at.x + 1, at.y + 1, theme.themed() ? GetSysColor(COLOR_BTNTEXT) : RGB(255, 255, 255));
    }
    SetTextColor(dc, oldColour);
    SetTextAlign(dc, oldAlign);
    SetBkMode(dc, oldMode);
}

void DrawMenuIndicator(HDC dc, const RECT& inside, const BevelLook& look, const ThemePainter& theme) {
    const LONG mid = inside.top + (inside.bottom - inside.top) / 2;
    HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    if (look.hasMenu == 1) {
        if (theme.themed())
            DrawTriangle(dc, black, {inside.right - 10, mid - 1}, {inside.right - 6, mid - 1},
                         {inside.right - 8, mid + 1});
        else
            DrawPopupArrowGlyph(dc, 3, inside.right - 10, inside.bottom - 6);
    } else if (look.hasMenu == 2) {
        if (theme.themed())
            DrawTriangle(dc, black, {inside.right - 8, mid - 2}, {inside.right - 6, mid},
                         {inside.right - 8, mid + 2});
        else
            DrawPopupArrowGlyph(dc, 0, inside.right - 6, inside.bottom - 10);
    }
}

} // namespace

RECT BevelInside(const RECT& bounds, const BevelLook& look, const ThemePainter& theme) {
    RECT inside = bounds;
    int shrink = 1 + (look.enabled && !theme.themed() ? look.bevel + 1 : 0);
    InflateRect(&inside, -shrink, -shrink);
    return inside;
}

void DrawBevelButton(HDC dc, const RECT& bounds, const BevelLook& look, const ThemePainter& theme) {
    HBRUSH background = GetSysColorBrush(Down(look) ? COLOR_BTNSHADOW : COLOR_BTNFACE);
    RECT inside = DrawFrame(dc, bounds, look, theme);
    if (!theme.themed()) FillRect(dc, &inside, background);

    HRGN savedClip = CreateRectRgn(0, 0, 0, 0);
    bool hadClip = GetClipRgn(dc, savedClip) == 1;
    HRGN clip = CreateRectRgn(inside.left - bounds.left, inside.top - bounds.top,
                              inside.right - bounds.left, inside.bottom - bounds.top);
    SelectClipRgn(dc, clip);
    DeleteObject(clip);

    HFONT font = CreateFontA(-look.fontSize, 0, 0, 0, look.bold ? 700 : 400, look.italic, look.underline,
                             FALSE, look.charset, 0, 0, 0, 0, look.fontName);
    HGDIOBJ oldFont = SelectObject(dc, font);
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    char shown[256];
    int shownLength = ShownCaption(look, shown, sizeof shown);
    SIZE extent = {0, 0};
    GetTextExtentPoint32A(dc, shown, shownLength, &extent);

    POINT icon = {0, 0};
    if (look.hasIcon) {
        icon = IconPosition(inside, look);
        LONG d = look.pressed ? 1 : 0;
        RECT where = {icon.x + d, icon.y + d, icon.x + d + look.iconWidth, icon.y + d + look.iconHeight};
        if (look.drawIcon) look.drawIcon(dc, where, look.iconContext);
    }
    POINT caption = CaptionPosition(inside, look, look.hasIcon ? &icon : nullptr, extent.cx, metrics);
    if (look.captionLength > 0) DrawCaption(dc, bounds, caption, look, theme);
    SelectClipRgn(dc, hadClip ? savedClip : nullptr);
    DeleteObject(savedClip);

    DrawMenuIndicator(dc, inside, look, theme);
    SelectObject(dc, oldFont);
    DeleteObject(font);
}
