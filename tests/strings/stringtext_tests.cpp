// Comparisons, case changes, title case, trimming and the code page's
// tables, in the German locale (code page 1252: ä 0xE4, Ä 0xC4, é 0xE9,
// É 0xC9, ß 0xDF, no-break space 0xA0).
#include <gtest/gtest.h>
#include <windows.h>
#include "stringtesting.h"
#include "core/codepage.h"

namespace {

TEST(StringText, CompareInLocaleOrderOrByBytes) {
    ASSERT_FALSE(InDbcsMode());
    struct Case {
        const char* a;
        const char* b;
        int ignoringCase, bytes, withCase;   // RuntimeStringCompare, modes 0 and 1
    } cases[] = {
        {"abc", "ABC", 0, 1, -1},
        {"abc", "abc", 0, 0, 0},
        {"a", "B", -1, 1, -1},
        {"ab", "abc", -1, -1, -1},
        {"abc", "ab", 1, 1, 1},
        {"", "a", -1, -1, -1},
        {"a", "", 1, 1, 1},
        {"", "", 0, 0, 0},
        {"\xE4", "b", -1, 1, -1},
        {"\xC4rger", "\xE4rger", 0, -1, 1},
    };
    for (const Case& c : cases) {
        TestStrings make;
        StringObject* a = make(c.a);
        StringObject* b = make(c.b);
        EXPECT_EQ(RuntimeStringCompare(a, b), c.ignoringCase) << c.a << " / " << c.b;
        EXPECT_EQ(StringStrCompare(a, b, 0), c.bytes) << c.a << " / " << c.b;
        EXPECT_EQ(StringStrCompare(a, b, 1), c.withCase) << c.a << " / " << c.b;
    }
    TestStrings make;
    StringObject* same = make("x");
    EXPECT_EQ(RuntimeStringCompare(same, same), 0);
}

TEST(StringText, CaseChangesAreCopies) {
    struct Case {
        const char* s;
        const char* upper;
        const char* lower;
        const char* title;
    } cases[] = {
        {"hello wORLD", "HELLO WORLD", "hello world", "Hello World"},
        {"o'neil mcDONALD-smith", "O'NEIL MCDONALD-SMITH", "o'neil mcdonald-smith",
         "O'neil Mcdonald-smith"},
        {"  two\twords ", "  TWO\tWORDS ", "  two\twords ", "  Two\tWords "},
        {"stra\xDF" "e \xE9T\xC9", "STRA\xDF" "E \xC9T\xC9", "stra\xDF" "e \xE9t\xE9",
         "Stra\xDF" "e \xC9t\xE9"},
        {"1st \xA0x", "1ST \xA0X", "1st \xA0x", "1st \xA0X"},
    };
    for (const Case& c : cases) {
        TestStrings make;
        StringObject* s = make(c.s);
        EXPECT_EQ(Taken(StringUCase(s)), c.upper);
        EXPECT_EQ(Taken(StringLCase(s)), c.lower);
        EXPECT_EQ(Taken(StringTitleCase(s)), c.title);
        EXPECT_EQ(s->refs, 1);
        EXPECT_EQ(std::string(StringText(s)), c.s);   // the argument is never changed
    }
    EXPECT_EQ(StringUCase(nullptr), nullptr);
    EXPECT_EQ(StringLCase(nullptr), nullptr);
    EXPECT_EQ(StringTitleCase(nullptr), nullptr);
}

TEST(StringText, TrimWhiteSpaceOfTheCodePage) {
    struct Case {
        const char* s;
        const char* both;
        const char* leading;
        const char* trailing;
    } cases[] = {
        {"  a b  ", "a b", "a b  ", "  a b"},
        {"\t\r\n x\n", "x", "x\n", "\t\r\n x"},
        {"\xA0y\xA0", "y", "y\xA0", "\xA0y"},
        {"   ", "", "", ""},
        {"", "", "", ""},
    };
    for (const Case& c : cases) {
        TestStrings make;
        StringObject* s = make(c.s);
        EXPECT_EQ(Taken(runTrim(s)), c.both) << c.s;
        EXPECT_EQ(Taken(runLTrim(s)), c.leading) << c.s;
        EXPECT_EQ(Taken(runRTrim(s)), c.trailing) << c.s;
    }
}

TEST(StringText, NothingToTrimGivesTheStringItself) {
    TestStrings make;
    StringObject* s = make("a b");
    for (auto trim : {runTrim, runLTrim, runRTrim}) {
        StringObject* result = trim(s);
        EXPECT_EQ(result, s);
        RuntimeUnlockString(result);
    }
    EXPECT_EQ(s->refs, 1);
}

TEST(StringText, SingleByteTablesFollowTheSystem) {
    ASSERT_EQ(GetACP(), 1252u);
    ASSERT_EQ(PRIMARYLANGID(LANGIDFROMLCID(GetUserDefaultLCID())), LANG_GERMAN);
    ASSERT_FALSE(InDbcsMode());
    EXPECT_FALSE(IsLeadByte(0x82));
    EXPECT_EQ(CodePageUpper(0xE4), 0xC4);
    EXPECT_EQ(CodePageLower(0xC4), 0xE4);
    EXPECT_EQ(CodePageUpper('1'), '1');
    for (uint8_t space : {' ', '\t', '\n', '\r', '\v', '\f'}) EXPECT_TRUE(IsCodePageWhiteSpace(space));
    EXPECT_FALSE(IsCodePageWhiteSpace('x'));
    EXPECT_TRUE(IsCaseless(','));
    EXPECT_FALSE(IsCaseless('a'));
    EXPECT_FALSE(IsCaseless(0xC4));
    // German order: a before ä before b, whatever the byte values.
    EXPECT_LT(CodePageCollationRank('a'), CodePageCollationRank(0xE4));
    EXPECT_LT(CodePageCollationRank(0xE4), CodePageCollationRank('b'));
    EXPECT_LT(CodePageCollationRank('9'), CodePageCollationRank('a'));
}

} // namespace
