// The runtime's case table and the comparisons made under it.
#include "core/casetable.h"
#include <gtest/gtest.h>
#include <cstring>

namespace {

TEST(CaseTable, MapsLettersOnly) {
    const uint8_t cases[][2] = {
        {'a', 'A'}, {'z', 'Z'}, {'A', 'A'}, {'`', '`'}, {'{', '{'}, {'0', '0'},
        {0x87, 0xE7}, {0x8A, 0x80}, {0x9F, 0x86}, {0xBF, 0xAF}, {0xD8, 0xD9}, {0xF5, 0x49},
        {0xE7, 0xE7}, {0x80, 0x80}, {0x86, 0x86}, {0xA0, 0xA0}, {0xE9, 0xE9}, {0xFF, 0xFF}, {0, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(c[1], CaseTableUpper(c[0])) << int(c[0]);
    int changed = 0;
    for (int byte = 0; byte < 256; byte++)
        changed += CaseTableUpper(static_cast<uint8_t>(byte)) != byte;
    EXPECT_EQ(56, changed);
}

int Compare(const char* a, const char* b) {
    int result = CaseTableCompare(a, strlen(a), b, strlen(b));
    return (result > 0) - (result < 0);
}

TEST(CaseTable, EqualityNeedsSameLengthAndMappedBytes) {
    EXPECT_TRUE(CaseTableEqual("PushButton", 10, "pushbutton", 10));
    EXPECT_TRUE(CaseTableEqual("\x87\x8E", 2, "\xE7\x83", 2));
    EXPECT_TRUE(CaseTableEqual("", 0, "", 0));
    EXPECT_FALSE(CaseTableEqual("ab", 2, "abc", 3));
    EXPECT_FALSE(CaseTableEqual("\xE9", 1, "\xC9", 1));   // no case pair in this table
    EXPECT_FALSE(CaseTableEqual("a\0b", 3, "a\0c", 3));   // the length, not a 0 byte, ends
}

TEST(CaseTable, OrdersMappedBytesUnsignedWithPrefixFirst) {
    EXPECT_EQ(0, Compare("Window1", "WINDOW1"));
    EXPECT_EQ(-1, Compare("abc", "ABD"));
    EXPECT_EQ(-1, Compare("ab", "ABC"));
    EXPECT_EQ(1, Compare("abc", "ab"));
    EXPECT_EQ(-1, Compare("", "a"));
    EXPECT_EQ(1, Compare("\x80", "z"));        // unsigned: 0x80 above every ASCII byte
    EXPECT_EQ(-1, Compare("\x87", "\xE8"));    // 0x87 sorts as 0xE7
    EXPECT_EQ(1, Compare("_", "a"));           // 'a' sorts as 'A', below '_'
}

} // namespace
