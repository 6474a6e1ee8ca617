// Mnemonics of captions.
#include <gtest/gtest.h>
#include "core/string.h"
#include "ui/mnemonics.h"

namespace {

TEST(Mnemonics, TheLastMarkedCharacterUpperCased) {
    const struct {
        const char* caption;
        char key;
    } cases[] = {
        {"&save", 'S'},   {"Save &as", 'A'}, {"&First &second", 'S'}, {"R&&D", 0},
        {"&&", 0},        {"", 0},           {"Trailing&", 0},        {"&1 apple", '1'},
        {"A&&&b", 'B'},   {"&\xe9t\xe9", '\xe9'}, {"no marks", 0},
    };
    for (const auto& c : cases) {
        StringRef caption(NewStringFromText(c.caption));
        EXPECT_EQ(MnemonicOf(caption.get()), c.key) << c.caption;
    }
}

TEST(Mnemonics, ShortcutTextIsAltPlusTheKey) {
    char text[8] = "x";
    EXPECT_FALSE(MnemonicShortcutText(0, text));
    EXPECT_STREQ(text, "x");
    ASSERT_TRUE(MnemonicShortcutText('S', text));
    EXPECT_STREQ(text, "Alt+S");
}

} // namespace
