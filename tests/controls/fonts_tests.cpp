// The font cache and the face-name mapping, on the fonts that GDI really
// makes.
#include <gtest/gtest.h>
#include "core/string.h"
#include "ui/fonts.h"

namespace {

LOGFONTA Described(HFONT font) {
    LOGFONTA description = {};
    GetObjectA(font, sizeof description, &description);
    return description;
}

TEST(FaceNames, StoredNamesMapToWindowsFacesIgnoringCase) {
    const struct {
        const char* stored;
        const char* windows;
    } cases[] = {
        {"Geneva", "MS Sans Serif"}, {"gEnEvA", "MS Sans Serif"}, {"GENEVA", "MS Sans Serif"},
        {"System", "MS Sans Serif"}, {"application", "MS Sans Serif"},
        {"Courier", "Courier New"},  {"times", "Times New Roman"}, {"Helvetica", "Arial"},
        {"OSAKA", "MS UI Gothic"},   {"Verdana", "Verdana"},       {"", ""},
        {"Courier New", "Courier New"},
    };
    for (const auto& c : cases) EXPECT_STREQ(MappedFaceName(c.stored), c.windows) << c.stored;
}

TEST(FontCache, MakesTheFontOfTheDescription) {
    StringRef face(NewStringFromText("Helvetica"));
    FontSpec spec = {face.get(), 1, 1, 0, 13};
    HFONT font = AcquireFont(spec);
    ASSERT_NE(font, nullptr);
    LOGFONTA made = Described(font);
    EXPECT_EQ(made.lfHeight, -13);
    EXPECT_EQ(made.lfWidth, 0);
    EXPECT_EQ(made.lfWeight, 700);
    EXPECT_TRUE(made.lfItalic);
    EXPECT_FALSE(made.lfUnderline);
    EXPECT_FALSE(made.lfStrikeOut);
    EXPECT_EQ(made.lfCharSet, DEFAULT_CHARSET);
    EXPECT_STREQ(made.lfFaceName, "Arial");
    ReleaseFont(font);

    spec = FontSpec{face.get(), 0, 0, 1, 9};
    font = AcquireFont(spec);
    made = Described(font);
    EXPECT_EQ(made.lfWeight, 400);
    EXPECT_FALSE(made.lfItalic);
    EXPECT_TRUE(made.lfUnderline);
    ReleaseFont(font);
}

TEST(FontCache, SharesOneFontPerDescriptionAndCountsItsUses) {
    StringRef lower(NewStringFromText("courier")), upper(NewStringFromText("COURIER"));
    const int before = CachedFontCount();
    HFONT first = AcquireFont(FontSpec{lower.get(), 0, 0, 0, 12});
    HFONT second = AcquireFont(FontSpec{upper.get(), 0, 0, 0, 12});
    HFONT bigger = AcquireFont(FontSpec{lower.get(), 0, 0, 0, 14});
    HFONT bolder = AcquireFont(FontSpec{lower.get(), 1, 0, 0, 12});
    EXPECT_EQ(first, second);
    EXPECT_NE(first, bigger);
    EXPECT_NE(first, bolder);
    EXPECT_EQ(FontUses(first), 2);
    EXPECT_EQ(CachedFontCount(), before + 3);

    ReleaseFont(second);
    EXPECT_EQ(FontUses(first), 1);
    ReleaseFont(first);
    EXPECT_EQ(FontUses(first), 0);
    EXPECT_EQ(GetObjectType(first), 0u) << "the last release deletes the font";
    ReleaseFont(bigger);
    ReleaseFont(bolder);
    EXPECT_EQ(CachedFontCount(), before);
    ReleaseFont(nullptr);
}

} // namespace
