// The bevel button's drawing: frame and bevel in each state, the menu
// indicator, the caption's place and colours, and the toolbar theme's
// states.
#include "bevelbuttondrawing.h"
#include "pixelcanvas.h"
#include <gtest/gtest.h>
#include <cstring>
#include <vector>

namespace {

COLORREF Sys(int index) { return GetSysColor(index); }
const ThemePainter kClassic = {nullptr, nullptr};

BevelLook Look(bool enabled = true, bool pressed = false, bool value = false, int bevel = 0) {
    BevelLook look = {};
    look.enabled = enabled;
    look.pressed = pressed;
    look.value = value;
    look.bevel = bevel;
    look.captionAlign = 3;
    look.captionPlacement = 1;
    look.fontName = "Arial";
    look.fontSize = 12;
    look.charset = DEFAULT_CHARSET;
    return look;
}

// Frame, bevel and background as the rules draw them; returns the inside.
RECT ReferenceFrame(Reference& ref, RECT r, const BevelLook& look) {
    RECT i = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    bool down = look.pressed || look.value;
    if (!look.enabled) {
        ref.Frame(r, RGB(64, 64, 64));
    } else {
        ref.Frame(r, RGB(0, 0, 0));
        for (int step = 0; step <= look.bevel; step++) {
            ref.Polyline({{i.left, i.bottom - 1}, {i.left, i.top}, {i.right, i.top}},
                         Sys(down ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT));
            ref.Polyline({{i.left + 1, i.bottom - 1}, {i.right - 1, i.bottom - 1}, {i.right - 1, i.top}},
                         Sys(down ? COLOR_BTNFACE : COLOR_BTNSHADOW));
            if (down)
                ref.Polyline({{i.left, i.bottom}, {i.left, i.top}, {i.right, i.top}}, RGB(85, 85, 85));
            InflateRect(&i, -1, -1);
        }
    }
    ref.Fill(i, Sys(down ? COLOR_BTNSHADOW : COLOR_BTNFACE));
    return i;
}

struct ThemeCall {
    int part, state;
    RECT rect;
};
std::vector<ThemeCall> calls;
HRESULT WINAPI Record(HANDLE, HDC, int part, int state, const RECT* rect, const RECT*) {
    calls.push_back(ThemeCall{part, state, *rect});
    return S_OK;
}

} // namespace

TEST(BevelButtonDrawing, FrameAndBevelInEachState) {
    const RECT r = {16, 24, 76, 46};
    struct Case { bool enabled, pressed, value; int bevel; } cases[] = {
        {true, false, false, 0}, {true, false, false, 2}, {true, true, false, 1},
        {true, false, true, 0}, {false, false, false, 1}, {false, true, true, 0}};
    for (const Case& c : cases) {
        BevelLook look = Look(c.enabled, c.pressed, c.value, c.bevel);
        GdiCanvas canvas(r);
        DrawBevelButton(canvas.dc(), r, look, kClassic);
        Reference ref(canvas);
        ReferenceFrame(ref, r, look);
        EXPECT_EQ(Difference(canvas, ref), "")
            << c.enabled << c.pressed << c.value << " bevel " << c.bevel;
    }
}

TEST(BevelButtonDrawing, MenuIndicatorBelowOrRight) {
    const RECT r = {0, 0, 60, 22};
    for (int hasMenu = 1; hasMenu <= 2; hasMenu++) {
        BevelLook look = Look(true, false, false, 1);
        look.hasMenu = hasMenu;
        GdiCanvas canvas(r);
        DrawBevelButton(canvas.dc(), r, look, kClassic);
        Reference ref(canvas);
        RECT i = ReferenceFrame(ref, r, look);
        if (hasMenu == 1) {   // the glyph facing down, at the bottom right
            LONG l = i.right - 10, t = i.bottom - 6;
            ref.Triangle({l, t}, {l + 8, t}, {l + 4, t + 4}, RGB(0, 0, 0));
        } else {              // the glyph facing right
            LONG l = i.right - 6, t = i.bottom - 10;
            ref.Triangle({l, t}, {l + 4, t + 4}, {l, t + 8}, RGB(0, 0, 0));
        }
        EXPECT_EQ(Difference(canvas, ref), "") << "HasMenu " << hasMenu;
    }
}

// The caption drawn by the button against the caption drawn by the test
// where the rules put it, in the same font, clipped to the inside.
TEST(BevelButtonDrawing, CaptionPlacesAndColours) {
    const RECT r = {10, 10, 110, 40};
    struct Case { int align, delta; bool enabled, pressed; const char* caption; const char* shown; } cases[] = {
        {3, 0, true, false, "Fly &Safe", "Fly Safe"},
        {0, 4, true, false, "&&Go", "&Go"},
        {1, 5, true, false, "Right", "Right"},
        {2, 0, true, true, "Down", "Down"},
        {3, 0, false, false, "Off", "Off"},
    };
    for (const Case& c : cases) {
        BevelLook look = Look(c.enabled, c.pressed);
        look.captionAlign = c.align;
        look.captionDelta = c.delta;
        look.caption = c.caption;
        look.captionLength = static_cast<int>(strlen(c.caption));
        GdiCanvas drawn(r);
        DrawBevelButton(drawn.dc(), r, look, kClassic);

        BevelLook bare = look;
        bare.captionLength = 0;
        GdiCanvas expected(r);
        DrawBevelButton(expected.dc(), r, bare, kClassic);
        HDC dc = expected.dc();
        RECT i = BevelInside(r, look, kClassic);
        HFONT font = CreateFontA(-12, 0, 0, 0, 400, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
        HGDIOBJ old = SelectObject(dc, font);
        TEXTMETRICA m;
        GetTextMetricsA(dc, &m);
        SIZE extent;
        GetTextExtentPoint32A(dc, c.shown, static_cast<int>(strlen(c.shown)), &extent);
        LONG x = c.align == 3 ? i.left + (i.right - i.left - extent.cx) / 2
               : c.align == 1 ? i.right - extent.cx - c.delta
                              : i.left + c.delta;
        LONG y = i.top + (i.bottom - i.top - m.tmAscent - m.tmDescent - m.tmExternalLeading) / 2;
        HRGN clip = CreateRectRgn(i.left - r.left, i.top - r.top, i.right - r.left, i.bottom - r.top);
        SelectClipRgn(dc, clip);
        SetBkMode(dc, TRANSPARENT);
        auto text = [&](LONG at, LONG top, COLORREF colour) {
            SetTextColor(dc, colour);
            RECT where = {at, top, r.right, r.bottom};
            DrawTextA(dc, c.caption, -1, &where, DT_SINGLELINE | DT_NOCLIP);
        };
        if (!c.enabled) {
            text(x + 1, y + 1, Sys(COLOR_BTNHIGHLIGHT));
            text(x, y, Sys(COLOR_BTNSHADOW));
        } else if (c.pressed) {
            text(x + 1, y + 1, RGB(255, 255, 255));
        } else {
            text(x, y, Sys(COLOR_BTNTEXT));
        }
        SelectClipRgn(dc, nullptr);
        DeleteObject(clip);
        SelectObject(dc, old);
        DeleteObject(font);
        Reference same(expected);
        for (LONG py = r.top; py < r.top + expected.height(); py++)
            for (LONG px = r.left; px < r.left + expected.width(); px++)
                same.Point(px, py, expected.At(px, py));
        EXPECT_EQ(Difference(drawn, same), "") << c.caption;
    }
}

TEST(BevelButtonDrawing, ThemedStatesOfTheToolbarButton) {
    const RECT r = {0, 0, 60, 22};
    const RECT inside = {1, 1, 59, 21};
    struct Case { bool enabled, pressed, value, hot; int state; } cases[] = {
        {true, false, false, false, 1}, {true, false, false, true, 2}, {true, true, false, true, 3},
        {true, true, true, false, 3}, {true, false, true, false, 5}, {true, false, true, true, 6},
        {false, false, false, false, 0}};
    GdiCanvas canvas(r);
    for (const Case& c : cases) {
        calls.clear();
        BevelLook look = Look(c.enabled, c.pressed, c.value);
        look.hot = c.hot;
        DrawBevelButton(canvas.dc(), r, look, ThemePainter{reinterpret_cast<HANDLE>(1), Record});
        if (c.state == 0) {
            EXPECT_TRUE(calls.empty());
            continue;
        }
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].part, 1);
        EXPECT_EQ(calls[0].state, c.state) << c.pressed << c.value << c.hot;
        EXPECT_TRUE(EqualRect(&calls[0].rect, &inside));
    }
}
