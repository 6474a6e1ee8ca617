// The static text's drawing, compared pixel for pixel with a reference that
// the test draws itself with GDI from the rules: the font of the
// font description, the baseline of a vertically centred line, one line per
// break, the alignment, and the colour with its inactive tone.
#include <gtest/gtest.h>
#include "pixels.h"
#include "core/string.h"
#include "ui/statictextdrawing.h"
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 220, kHeight = 120;

struct Case {
    const char* name;
    const char* text;
    int16_t align;
    uint32_t color;       // 0xRRGGBB
    bool active;
    int16_t size;
    bool bold;
};

// The reference: lines split by hand, positions from the text metrics.
void DrawReference(HDC dc, const Case& c, COLORREF color) {
    HFONT font = CreateFontA(-c.size, 0, 0, 0, c.bold ? 700 : 400, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0,
                             0, "Arial");
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    TEXTMETRICA tm;
    GetTextMetricsA(dc, &tm);
    std::vector<std::string> lines(1);
    for (const char* p = c.text; *p; p++) {
        if (*p == '\r' && p[1] == '\n') p++;
        if (*p == '\r' || *p == '\n') lines.emplace_back();
        else lines.back() += *p;
    }
    int top = (kHeight - tm.tmHeight) / 2;     // top of the first line's cell
    for (const std::string& line : lines) {
        SIZE extent = {};
        GetTextExtentPoint32A(dc, line.c_str(), int(line.size()), &extent);
        int x = c.align == 2 ? kWidth - extent.cx : c.align == 1 ? (kWidth - extent.cx) / 2 : 0;
        if (!line.empty()) TextOutA(dc, x, top, line.c_str(), int(line.size()));
        top += tm.tmHeight + tm.tmExternalLeading;
    }
    SelectObject(dc, old);
    DeleteObject(font);
}

void DrawControl(HDC dc, const Case& c) {
    StringRef text(NewStringFromText(c.text)), face(NewStringFromText("Helvetica"));
    StaticTextLook look = {text.get(), c.align, c.color, false, c.active,
                           FontSpec{face.get(), uint8_t(c.bold), 0, 0, c.size}};
    RECT bounds = {0, 0, kWidth, kHeight};
    DrawStaticText(dc, bounds, look);
}

TEST(StaticTextDrawing, MatchesTheRulesPixelForPixel) {
    const Case cases[] = {
        {"left", "Reading apt.dat", 0, 0x000000, true, 14, false},
        {"centred", "Centred", 1, 0x0000FF, true, 16, true},
        {"right", "Right", 2, 0xC00000, true, 12, false},
        {"CR", "one\rtwo", 0, 0x000000, true, 13, false},
        {"LF", "one\ntwo", 1, 0x000000, true, 13, false},
        {"CR LF", "one\r\ntwo\r\nthree", 2, 0x000000, true, 13, false},
        {"empty line", "above\r\n\r\nbelow", 0, 0x000000, true, 13, false},
        {"LF CR is two", "a\n\rb", 0, 0x000000, true, 13, false},
        {"leading break", "\nlate", 0, 0x000000, true, 13, false},
        {"inactive", "Dimmed", 0, 0x000000, false, 20, true},
    };
    for (const Case& c : cases) {
        Surface control(kWidth, kHeight), reference(kWidth, kHeight);
        DrawControl(control.dc(), c);
        DrawReference(reference.dc(), c, StaticTextColor(c.color, c.active));
        EXPECT_TRUE(control.SameAs(reference)) << c.name;
        EXPECT_FALSE(control.InkedRows().empty()) << c.name;
    }
}

TEST(StaticTextDrawing, ColoursAndTheirInactiveTone) {
    const struct {
        uint32_t color;
        bool active;
        COLORREF expected;
    } cases[] = {
        {0x000000, true, RGB(0, 0, 0)},
        {0x123456, true, RGB(0x12, 0x34, 0x56)},
        // 16 bits a component: 0 -> 0x6000, 0xFFFF -> 0x9FFF, 0x8080 -> 0x8020.
        {0x000000, false, RGB(0x60, 0x60, 0x60)},
        {0xFFFFFF, false, RGB(0x9F, 0x9F, 0x9F)},
        {0x80FF00, false, RGB(0x80, 0x9F, 0x60)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StaticTextColor(c.color, c.active), c.expected) << std::hex << c.color;
}

TEST(StaticTextDrawing, TwoBreaksLeaveAnEmptyLine) {
    Surface one(kWidth, kHeight), two(kWidth, kHeight);
    DrawControl(one.dc(), Case{"", "top\r\nbottom", 0, 0, true, 13, false});
    DrawControl(two.dc(), Case{"", "top\r\n\r\nbottom", 0, 0, true, 13, false});
    std::vector<int> a = one.InkedRows(), b = two.InkedRows();
    ASSERT_FALSE(a.empty());
    ASSERT_FALSE(b.empty());
    EXPECT_EQ(a.front(), b.front()) << "the first line stays where it was";
    EXPECT_GT(b.back() - a.back(), 10) << "the last line moves down by one line";
}

TEST(StaticTextDrawing, MultiLineTextWrapsIntoTheBounds) {
    StringRef text(NewStringFromText("a long text that has to wrap into several lines here"));
    StringRef face(NewStringFromText("Arial"));
    Surface surface(kWidth, kHeight);
    StaticTextLook look = {text.get(), 0, 0, true, true, FontSpec{face.get(), 0, 0, 0, 13}};
    RECT bounds = {0, 0, 120, kHeight};
    DrawStaticText(surface.dc(), bounds, look);
    std::vector<int> rows = surface.InkedRows();
    ASSERT_FALSE(rows.empty());
    EXPECT_LT(rows.front(), 4) << "wrapped text starts at the top";
    EXPECT_GT(rows.back(), 30) << "and takes several lines";
    for (int y = 0; y < kHeight; y++)
        for (int x = 120; x < kWidth; x++) ASSERT_EQ(surface.At(x, y), RGB(255, 255, 255));
}

} // namespace
