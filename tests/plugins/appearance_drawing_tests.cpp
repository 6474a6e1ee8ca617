// The appearance controls' drawing, pixel by pixel against references drawn
// from the drawing rules, and the themed paths through a recording theme.
#include "bevelbuttondrawing.h"
#include "drawing.h"
#include "pixelcanvas.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

COLORREF Sys(int index) { return GetSysColor(index); }
const COLORREF kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255);
const ThemePainter kClassic = {nullptr, nullptr};

// A theme that records what it is asked to draw.
struct ThemeCall {
    int part, state;
    RECT rect;
    bool operator==(const ThemeCall& o) const {
        return part == o.part && state == o.state && EqualRect(&rect, &o.rect);
    }
};
std::vector<ThemeCall> themeCalls;
HRESULT WINAPI RecordThemeCall(HANDLE, HDC, int part, int state, const RECT* rect, const RECT*) {
    themeCalls.push_back(ThemeCall{part, state, *rect});
    return S_OK;
}
ThemePainter RecordingTheme() {
    themeCalls.clear();
    return ThemePainter{reinterpret_cast<HANDLE>(1), RecordThemeCall};
}

std::string Describe(const std::vector<ThemeCall>& calls) {
    std::string text;
    for (const ThemeCall& c : calls)
        text += "(" + std::to_string(c.part) + "," + std::to_string(c.state) + " " +
                std::to_string(c.rect.left) + "," + std::to_string(c.rect.top) + "," +
                std::to_string(c.rect.right) + "," + std::to_string(c.rect.bottom) + ") ";
    return text;
}

} // namespace

TEST(PlacardDrawing, RaisedSunkenAndDisabled) {
    const RECT r = {10, 20, 74, 60};
    for (int state = 0; state < 3; state++) {
        bool enabled = state < 2, value = state == 1;
        GdiCanvas canvas(r);
        DrawPlacard(canvas.dc(), r, enabled, value);
        Reference ref(canvas);
        if (!enabled) {
            ref.Frame(r, RGB(153, 153, 153));
            ref.Fill({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, RGB(238, 238, 238));
        } else {
            ref.Frame(r, kBlack);
            LONG l = r.left + 1, t = r.top + 1, rr = r.right - 1, b = r.bottom - 1;
            ref.Fill({l, t, rr, b}, Sys(value ? COLOR_BTNSHADOW : COLOR_BTNFACE));
            ref.Polyline({{l, b - 2}, {l, t}, {rr - 1, t}}, Sys(COLOR_BTNHIGHLIGHT));
            ref.Polyline({{rr - 1, t + 1}, {rr - 1, b - 1}, {l, b - 1}},
                         Sys(value ? COLOR_3DDKSHADOW : COLOR_BTNSHADOW));
        }
        EXPECT_EQ(Difference(canvas, ref), "") << "state " << state;
    }
}

TEST(SeparatorDrawing, WiderThanHighIsHorizontalElseVertical) {
    struct Case { RECT r; bool horizontal; } cases[] = {
        {{5, 5, 69, 9}, true}, {{5, 5, 9, 69}, false}, {{5, 5, 25, 25}, false}};
    for (const Case& c : cases) {
        GdiCanvas canvas(c.r);
        DrawSeparator(canvas.dc(), c.r, kClassic);
        Reference ref(canvas);
        if (c.horizontal) {
            LONG mid = (c.r.top + c.r.bottom) / 2;
            ref.Line({c.r.left, mid}, {c.r.right, mid}, Sys(COLOR_BTNSHADOW));
            ref.Line({c.r.left, mid + 1}, {c.r.right, mid + 1}, Sys(COLOR_BTNHIGHLIGHT));
        } else {
            LONG mid = (c.r.left + c.r.right) / 2;
            ref.Line({mid, c.r.top}, {mid, c.r.bottom}, Sys(COLOR_BTNSHADOW));
            ref.Line({mid + 1, c.r.top}, {mid + 1, c.r.bottom}, Sys(COLOR_BTNHIGHLIGHT));
        }
        EXPECT_EQ(Difference(canvas, ref), "") << c.r.right - c.r.left << "x" << c.r.bottom - c.r.top;

        ThemePainter theme = RecordingTheme();
        DrawSeparator(canvas.dc(), c.r, theme);
        LONG mid = c.horizontal ? (c.r.top + c.r.bottom) / 2 : (c.r.left + c.r.right) / 2;
        ThemeCall expected = c.horizontal ? ThemeCall{6, 1, {c.r.left, mid - 1, c.r.right, mid + 2}}
                                          : ThemeCall{5, 1, {mid - 1, c.r.top, mid + 2, c.r.bottom}};
        EXPECT_EQ(themeCalls, std::vector<ThemeCall>{expected}) << Describe(themeCalls);
    }
}

TEST(PopupArrowDrawing, EightGlyphsAndNothingElse) {
    const POINT glyphs[8][3] = {
        {{0, 0}, {4, 4}, {0, 8}}, {{4, 0}, {0, 4}, {4, 8}}, {{0, 4}, {4, 0}, {8, 4}},
        {{0, 0}, {8, 0}, {4, 4}}, {{0, 0}, {2, 2}, {0, 4}}, {{2, 0}, {0, 2}, {2, 4}},
        {{0, 2}, {2, 0}, {4, 2}}, {{0, 0}, {4, 0}, {2, 2}}};
    const RECT r = {30, 40, 40, 50};
    for (int facing = 0; facing < 10; facing++) {
        GdiCanvas canvas(r);
        DrawPopupArrowGlyph(canvas.dc(), facing, r.left, r.top);
        Reference ref(canvas);
        if (facing < 8) {
            const POINT* g = glyphs[facing];
            ref.Triangle({r.left + g[0].x, r.top + g[0].y}, {r.left + g[1].x, r.top + g[1].y},
                         {r.left + g[2].x, r.top + g[2].y}, kBlack);
        }
        EXPECT_EQ(Difference(canvas, ref), "") << "facing " << facing;
    }
}

TEST(DisclosureTriangleDrawing, ClosedOpenPressedAndDisabled) {
    const RECT r = {12, 8, 24, 20};
    const LONG l = r.left, t = r.top;
    for (int facing = 0; facing < 2; facing++)
        for (int value = 0; value < 2; value++)
            for (int state = 0; state < 3; state++) {   // raised, pressed, disabled
                DisclosureLook look = {facing, value != 0, state != 2, state == 1};
                GdiCanvas canvas(r);
                DrawDisclosureTriangle(canvas.dc(), r, look);
                Reference ref(canvas);
                COLORREF fill = Sys(state == 0 ? COLOR_BTNFACE : COLOR_BTNSHADOW);
                // The DC's pen, black, outlines the triangle.
                if (value)
                    ref.OutlinedTriangle({l, t + 2}, {l + 10, t + 2}, {l + 5, t + 7}, kBlack, fill);
                else if (facing == 0)
                    ref.OutlinedTriangle({l + 2, t}, {l + 7, t + 5}, {l + 2, t + 10}, kBlack, fill);
                else
                    ref.OutlinedTriangle({l + 7, t}, {l + 2, t + 5}, {l + 7, t + 10}, kBlack, fill);
                if (state == 0) {
                    if (value) {
                        ref.Line({l + 2, t + 3}, {l + 9, t + 3}, Sys(COLOR_BTNHIGHLIGHT));
                        ref.Line({l + 8, t + 3}, {l + 5, t + 6}, Sys(COLOR_BTNSHADOW));
                    } else if (facing == 0) {
                        ref.Line({l + 3, t + 2}, {l + 3, t + 9}, Sys(COLOR_BTNHIGHLIGHT));
                        ref.Line({l + 6, t + 5}, {l + 3, t + 8}, Sys(COLOR_BTNSHADOW));
                    } else {
                        ref.Line({l + 6, t + 2}, {l + 6, t + 9}, Sys(COLOR_BTNHIGHLIGHT));
                        ref.Line({l + 3, t + 5}, {l + 7, t + 9}, Sys(COLOR_BTNSHADOW));
                    }
                }
                EXPECT_EQ(Difference(canvas, ref), "")
                    << "facing " << facing << " value " << value << " state " << state;
            }
}

TEST(LittleArrowsDrawing, HalvesRaisedPressedAndDisabled) {
    const RECT r = {20, 30, 33, 53};
    const LONG l = r.left, t = r.top;
    for (int state = 0; state < 4; state++) {   // none, up, down pressed; disabled
        LittleArrowsLook look = {state != 3, state == 3 ? 0 : state, 0};
        GdiCanvas canvas(r);
        DrawLittleArrows(canvas.dc(), r, look, kClassic);
        Reference ref(canvas);
        ref.Frame({l, t, l + 13, t + 23}, look.enabled ? kBlack : RGB(64, 64, 64));
        ref.Line({l, t + 11}, {l + 12, t + 11}, kBlack);
        for (int up = 1; up >= 0; up--) {
            RECT h = up ? RECT{l + 1, t + 1, l + 12, t + 11} : RECT{l + 1, t + 12, l + 12, t + 22};
            bool pressed = look.pressedPart == (up ? 1 : 2);
            ref.Fill(h, Sys(COLOR_BTNFACE));
            COLORREF light = Sys(!look.enabled ? COLOR_BTNFACE : pressed ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT);
            COLORREF dark = Sys(!look.enabled ? COLOR_BTNFACE : pressed ? COLOR_BTNFACE : COLOR_BTNSHADOW);
            ref.Polyline({{h.left, h.bottom - 2}, {h.left, h.top}, {up ? h.right - 1 : h.right - 2, h.top}}, light);
            ref.Polyline({{h.left + 1, h.bottom - 1}, {h.right - 1, h.bottom - 1},
                          {h.right - 1, up ? h.top : h.top + 1}}, dark);
            LONG d = pressed ? 1 : 0;
            COLORREF arrow = look.enabled ? kBlack : RGB(192, 192, 192);
            if (up)
                ref.OutlinedTriangle({h.left + 2 + d, h.top + 6 + d}, {h.left + 5 + d, h.top + 3 + d},
                                     {h.left + 8 + d, h.top + 6 + d}, kBlack, arrow);
            else
                ref.OutlinedTriangle({h.left + 2 + d, h.top + 3 + d}, {h.left + 5 + d, h.top + 6 + d},
                                     {h.left + 8 + d, h.top + 3 + d}, kBlack, arrow);
        }
        EXPECT_EQ(Difference(canvas, ref), "") << "state " << state;
    }
}

TEST(LittleArrowsDrawing, ThemedPartsAndStates) {
    const RECT r = {0, 0, 13, 23};
    const RECT up = {0, 0, 13, 11}, down = {0, 12, 13, 23};
    struct Case { LittleArrowsLook look; std::vector<ThemeCall> calls; } cases[] = {
        {{false, 0, 0}, {{1, 4, up}, {2, 4, down}}},
        {{true, 1, 2}, {{1, 3, up}}},
        {{true, 2, 0}, {{2, 3, down}}},
        {{true, 0, 2}, {{1, 1, up}, {2, 2, down}}},
        {{true, 0, 1}, {{1, 2, up}, {2, 1, down}}},
    };
    GdiCanvas canvas(r);
    for (const Case& c : cases) {
        ThemePainter theme = RecordingTheme();
        DrawLittleArrows(canvas.dc(), r, c.look, theme);
        EXPECT_EQ(themeCalls, c.calls) << Describe(themeCalls);
    }
}

TEST(LittleArrowsParts, TheUpHalfEndsAtRow11AndTheAreaAtColumn12) {
    const RECT r = {100, 200, 113, 223};
    EXPECT_EQ(LittleArrowsPartAt(r, 105, 211), kUpPart);
    EXPECT_EQ(LittleArrowsPartAt(r, 105, 212), kDownPart);
    EXPECT_EQ(LittleArrowsPartAt(r, 112, 222), kDownPart);
    EXPECT_EQ(LittleArrowsPartAt(r, 113, 205), kNoPart);
    EXPECT_EQ(LittleArrowsPartAt(r, 105, 223), kNoPart);
    EXPECT_EQ(LittleArrowsPartAt(r, 99, 205), kNoPart);
}

// Lines that run at other slopes than 0 and 45 degrees are GDI's to
// rasterise; what the rules fix are the cell, the colours and the points the
// arrows pass through, in the arrow and in the arrow turned half round.
TEST(ChasingArrowsDrawing, EveryFrameIsTwoArrowsTurnedHalfRoundOnTheBackground) {
    const RECT r = {40, 40, 56, 56};
    const COLORREF background = RGB(10, 200, 30);
    struct Shape { std::vector<POINT> head, tail; };
    const Shape frames[8] = {
        {{{11, 7}, {15, 7}, {14, 9}}, {{5, 3}, {6, 2}, {9, 2}, {11, 3}, {13, 6}, {13, 9}}},
        {{{11, 8}, {14, 9}, {12, 11}}, {{7, 2}, {9, 2}, {11, 3}, {13, 6}, {12, 11}}},
        {{{11, 10}, {13, 12}, {10, 12}}, {{9, 2}, {11, 3}, {13, 6}, {12, 11}, {10, 12}}},
        {{{9, 11}, {11, 14}, {8, 13}}, {{11, 3}, {13, 6}, {12, 11}, {10, 12}, {8, 13}}},
        {{{8, 11}, {8, 15}, {6, 13}}, {{12, 5}, {13, 6}, {12, 11}, {10, 12}, {8, 13}, {6, 13}}},
        {{{6, 14}, {7, 11}, {4, 12}}, {{13, 7}, {12, 11}, {10, 12}, {8, 13}, {6, 13}, {4, 12}}},
        {{{3, 13}, {5, 11}, {3, 10}}, {{12, 11}, {10, 12}, {8, 13}, {6, 13}, {4, 12}, {3, 10}}},
        {{{1, 11}, {4, 9}, {2, 8}}, {{12, 11}, {10, 12}, {8, 13}, {6, 13}, {4, 12}, {3, 10}, {2, 8}}},
    };
    for (int frame = 0; frame < 8; frame++) {
        GdiCanvas canvas(r);
        DrawChasingArrowsFrame(canvas.dc(), r, frame, background);
        for (LONG y = r.top; y < r.top + 16; y++)
            for (LONG x = r.left; x < r.left + 16; x++)
                ASSERT_TRUE(canvas.At(x, y) == kBlack || canvas.At(x, y) == background) << x << "," << y;
        std::vector<POINT> through = frames[frame].head;
        through.insert(through.end(), frames[frame].tail.begin(), frames[frame].tail.end() - 1);
        for (POINT p : through) {
            EXPECT_EQ(canvas.At(r.left + p.x, r.top + p.y), kBlack) << frame << ": " << p.x << "," << p.y;
            EXPECT_EQ(canvas.At(r.left + 15 - p.x, r.top + 15 - p.y), kBlack) << frame << " turned";
        }
        for (LONG x = r.left; x < r.left + canvas.width(); x++)    // nothing below the cell
            EXPECT_EQ(canvas.At(x, r.top + 16), kUntouched);
    }
}

TEST(ImageWellDrawing, SunkenFrameAndWhiteWell) {
    const RECT r = {8, 8, 40, 40};
    GdiCanvas canvas(r);
    DrawImageWellFrame(canvas.dc(), r);
    Reference ref(canvas);
    ref.Polyline({{r.left, r.bottom - 2}, {r.left, r.top}, {r.right - 2, r.top}}, RGB(153, 153, 153));
    ref.Polyline({{r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}}, kWhite);
    ref.Frame({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, kBlack);
    ref.Fill({r.left + 2, r.top + 2, r.right - 2, r.bottom - 2}, kWhite);
    EXPECT_EQ(Difference(canvas, ref), "");

    RECT centred = ImageWellPictureRect(r, 10, 6);   // well 28 x 28 from (10, 10)
    EXPECT_EQ(centred.left, 10 + 9);
    EXPECT_EQ(centred.top, 10 + 11);
    RECT larger = ImageWellPictureRect(r, 50, 20);
    EXPECT_EQ(larger.left, 10);                        // from the well's left
    EXPECT_EQ(larger.top, 10 + 4);
    EXPECT_EQ(larger.right, 60);
}
