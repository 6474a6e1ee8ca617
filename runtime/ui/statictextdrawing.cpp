// Static text drawing. Colours are widened to 16 bits a component (x 257)
// before the inactive tone is taken, (c + 0x18000) >> 2, and narrowed back.
#include "statictextdrawing.h"
#include "core/string.h"

namespace {

uint32_t Component(uint32_t color, int shift) { return ((color >> shift) & 0xFF) * 257; }

BYTE Narrowed(uint32_t wide, bool active) {
    if (!active) wide = (wide + 0x18000) >> 2;
    return static_cast<BYTE>(wide >> 8);
}

int LineLeft(HDC dc, const RECT& bounds, int16_t align, const char* line, int length) {
    if (align != 1 && align != 2) return bounds.left;
    SIZE size = {};
    GetTextExtentPoint32A(dc, line, length, &size);
    if (align == 2) return bounds.right - size.cx;
    return bounds.left + (bounds.right - bounds.left - size.cx) / 2;
}

// One line per CR, LF or CR LF; empty lines take their place but draw nothing.
void DrawLines(HDC dc, const RECT& bounds, const StaticTextLook& look) {
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    int baseline = bounds.top + (bounds.bottom - bounds.top - metrics.tmHeight) / 2 + metrics.tmAscent;
    const int lineStep = metrics.tmHeight + metrics.tmExternalLeading;
    const char* text = StringText(look.text);
    const char* end = text + StringLength(look.text);
    UINT oldAlign = SetTextAlign(dc, TA_LEFT | TA_BASELINE | TA_NOUPDATECP);
    for (const char* line = text; line <= end;) {
        const char* stop = line;
        while (stop < end && *stop != '\r' && *stop != '\n') stop++;
        int length = static_cast<int>(stop - line);
        if (length > 0)
            TextOutA(dc, LineLeft(dc, bounds, look.align, line, length), baseline, line, length);
        if (stop == end) break;
        line = stop + (stop[0] == '\r' && stop + 1 < end && stop[1] == '\n' ? 2 : 1);
        baseline += lineStep;
    }
    SetTextAlign(dc, oldAlign);
}

UINT DrawTextAlignment(int16_t align) {
    return align == 1 ? DT_CENTER : align == 2 ? DT_RIGHT : DT_LEFT;
}

} // namespace

COLORREF StaticTextColor(uint32_t color, bool active) {
    return RGB(Narrowed(Component(color, 16), active), Narrowed(Component(color, 8), active),
               Narrowed(Component(color, 0), active));
}

void DrawStaticText(HDC dc, const RECT& bounds, const StaticTextLook& look) {
    HFONT font = AcquireFont(look.font);
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    COLORREF oldColor = SetTextColor(dc, StaticTextColor(look.color, look.active));
    int oldMode = SetBkMode(dc, TRANSPARENT);
    if (look.multiLine) {
        RECT wrap = bounds;
        DrawTextA(dc, StringText(look.text), static_cast<int>(StringLength(look.text)), &wrap,
                  DT_WORDBREAK | DrawTextAlignment(look.align));
    } else {
        DrawLines(dc, bounds, look);
    }
    SetBkMode(dc, oldMode);
    SetTextColor(dc, oldColor);
    if (oldFont) SelectObject(dc, oldFont);
    ReleaseFont(font);
}
