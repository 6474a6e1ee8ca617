// The appearance controls' drawing: GDI code that takes a device context,
// the control's bounds as a Windows rectangle and the control's state, and,
// for the controls that have one, the visual-style theme to draw with (a
// null theme draws the classic look). The behaviour slots call these with
// the control's data; nothing here knows the runtime.
#pragma once
#include <windows.h>

// A theme handle and the DrawThemeBackground routine of uxtheme. When either
// is missing the themed parts stay undrawn.
struct ThemePainter {
    using DrawBackground = HRESULT(WINAPI*)(HANDLE theme, HDC dc, int part, int state,
                                            const RECT* rect, const RECT* clip);
    HANDLE theme;
    DrawBackground drawBackground;

    bool themed() const { return theme != nullptr; }
    void Draw(HDC dc, int part, int state, const RECT& rect) const {
        if (theme && drawBackground) drawBackground(theme, dc, part, state, &rect, nullptr);
    }
};

// --- shared GDI pieces ---

// A one-pixel line through the points in a system colour or an RGB value;
// the last point is not drawn (LineTo).
void DrawPolyline(HDC dc, COLORREF colour, const POINT* points, int count);
// A triangle filled with the brush and outlined with the current pen.
void DrawTriangle(HDC dc, HBRUSH brush, POINT a, POINT b, POINT c);

// --- the controls ---

// The pop-up arrow glyph facing 0 to 7 with its top-left at (left, top);
// any other facing draws nothing.
void DrawPopupArrowGlyph(HDC dc, int facing, int left, int top);

void DrawPlacard(HDC dc, const RECT& bounds, bool enabled, bool value);

void DrawSeparator(HDC dc, const RECT& bounds, const ThemePainter& theme);

struct DisclosureLook {
    int facing;
    bool value, enabled, pressed;
};
void DrawDisclosureTriangle(HDC dc, const RECT& bounds, const DisclosureLook& look);

// Frame 0 to 7 in the 16 x 16 cell at the bounds' top-left, on background.
void DrawChasingArrowsFrame(HDC dc, const RECT& bounds, int frame, COLORREF background);

enum LittleArrowsPart { kNoPart = 0, kUpPart = 1, kDownPart = 2 };
struct LittleArrowsLook {
    bool enabled;
    int pressedPart;   // a LittleArrowsPart
    int hotPart;       // themed drawing only
};
void DrawLittleArrows(HDC dc, const RECT& bounds, const LittleArrowsLook& look,
                      const ThemePainter& theme);
// The part at (x, y): up for y < top + 12, down below; none outside the
// 13 x 23 area at the bounds' top-left.
int LittleArrowsPartAt(const RECT& bounds, int x, int y);

// The well's frame and white inside; *picture receives where a picture of
// width x height goes (the well's top-left when it is larger than the well).
void DrawImageWellFrame(HDC dc, const RECT& bounds);
RECT ImageWellPictureRect(const RECT& bounds, int width, int height);
RECT ImageWellInside(const RECT& bounds);
