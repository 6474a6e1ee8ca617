// InStr, exact and ignoring case, and the routines built on the search:
// Replace, ReplaceAll, CountFields and NthField. The German code page has
// accented letters with two case forms (0xE4 and 0xC4).
#include <gtest/gtest.h>
#include "stringtesting.h"
#include "core/codepage.h"
#include "core/stringsearch.h"

namespace {

TEST(StringSearch, InStrFindsIgnoringCaseAndInStrBExactly) {
    ASSERT_FALSE(InDbcsMode());
    struct Case {
        int start;
        std::string s, pattern;
        int ignoringCase, exactly;
    } cases[] = {
        {1, "Hello", "LL", 3, 0},
        {1, "Hello", "ll", 3, 3},
        {4, "Hello", "l", 4, 4},
        {5, "Hello", "l", 0, 0},
        {0, "Hello", "h", 1, 0},
        {-9, "Hello", "o", 5, 5},
        {7, "Hello", "", 7, 7},
        {-2, "Hello", "", -2, -2},
        {1, "", "a", 0, 0},
        {1, "", "", 0, 0},
        {1, "Hello", "Hello!", 0, 0},
        {2, "Hello", "Hello", 0, 0},
        {6, "Hello", "o", 0, 0},
        {1, "Stra\xDF" "e M\xC4RZ", "m\xE4rz", 8, 0},
        {1, std::string("a\0b", 3), std::string("\0B", 2), 2, 0},
    };
    TestStrings make;
    for (const Case& c : cases) {
        StringObject* s = make(c.s);
        StringObject* pattern = make(c.pattern);
        EXPECT_EQ(StringInStr(c.start, s, pattern), c.ignoringCase) << c.s << " / " << c.pattern;
        EXPECT_EQ(StringInStrB(c.start, s, pattern), c.exactly) << c.s << " / " << c.pattern;
    }
}

// Boyer-Moore takes over for long patterns with many candidates; it must
// find exactly what the simple search finds, on texts made to trap its shift
// tables: periodic patterns, repeated suffixes and near misses (each text
// leaves more than 80 candidate positions).
TEST(StringSearch, BoyerMooreFindsWhatTheSimpleSearchFinds) {
    const std::string patterns[] = {"abcab", "aaaaab", "abaabaab", "xyzzy", "ababababc",
                                    "cabab", "aabaa", std::string(40, 'a') + "b"};
    uint32_t seed = 12345;
    auto next = [&seed] { return (seed = seed * 1103515245 + 12345) >> 16; };
    for (const std::string& pattern : patterns) {
        for (int round = 0; round < 40; round++) {
            std::string text;
            size_t length = 100 + pattern.size() + next() % 400;
            while (text.size() < length)
                text += next() % 4 == 0 ? pattern.substr(0, 1 + next() % pattern.size())
                                        : std::string(1, "abcxyz"[next() % (pattern[0] == 'x' ? 6 : 3)]);
            uint32_t from = next() % 20;
            size_t expected = text.find(pattern, from);
            int found = FindExactly(reinterpret_cast<const uint8_t*>(text.data()),
                                    static_cast<uint32_t>(text.size()), from,
                                    reinterpret_cast<const uint8_t*>(pattern.data()),
                                    static_cast<uint32_t>(pattern.size()));
            ASSERT_EQ(found, expected == std::string::npos ? kNotFound : static_cast<int>(expected))
                << pattern << " in " << text << " from " << from;
        }
    }
}

TEST(StringSearch, ReplaceFirstAndAll) {
    struct Case {
        const char* s;
        const char* find;
        const char* replacement;
        const char* first;
        const char* all;
    } cases[] = {
        {"aaa", "aa", "b", "ba", "ba"},
        {"a-b-c", "-", "+", "a+b-c", "a+b+c"},
        {"Tag TAG tag", "tag", "x", "x TAG tag", "x x x"},
        {"abc", "b", "", "ac", "ac"},
        {"abab", "ab", "", "ab", ""},
        {"abc", "abc", "", "", ""},
        {"abc", "x", "y", "abc", "abc"},
        {"abc", "", "y", "abc", "abc"},
        {"", "a", "y", "", ""},
        {"xx", "x", "xyx", "xyxx", "xyxxyx"},
    };
    for (const Case& c : cases) {
        TestStrings make;
        StringObject* s = make(c.s);
        StringObject* find = make(c.find);
        StringObject* replacement = make(c.replacement);
        EXPECT_EQ(Taken(StringReplace(s, find, replacement)), c.first) << c.s << " / " << c.find;
        EXPECT_EQ(Taken(StringReplaceAll(s, find, replacement)), c.all) << c.s << " / " << c.find;
    }
}

TEST(StringSearch, NothingToReplaceGivesTheStringItself) {
    TestStrings make;
    StringObject* s = make("abc");
    StringObject* result = StringReplaceAll(s, make("x"), make("y"));
    EXPECT_EQ(result, s);
    EXPECT_EQ(s->refs, 2);
    RuntimeUnlockString(result);
    result = StringReplace(s, nullptr, make("y"));
    EXPECT_EQ(result, s);
    RuntimeUnlockString(result);
}

TEST(StringSearch, CountFieldsAndNthField) {
    struct Case {
        const char* s;
        const char* separator;
        int count;
        std::vector<const char*> fields;   // fields 1 to count + 1 (the last one past the end)
    } cases[] = {
        {"a,b,,c", ",", 4, {"a", "b", "", "c", ""}},
        {"a,b,", ",", 3, {"a", "b", "", ""}},
        {"one", ",", 1, {"one", ""}},
        {"a--b---c", "--", 3, {"a", "b", "-c", ""}},
        {"1xX2X3", "x", 4, {"1", "", "2", "3", ""}},
        {"Eins\xC4zwei\xE4" "drei", "\xE4", 3, {"Eins", "zwei", "drei", ""}},
        {"", ",", 0, {"", ""}},
        {"a,b", "", 1, {"", ""}},
    };
    for (const Case& c : cases) {
        TestStrings make;
        StringObject* s = make(c.s);
        StringObject* separator = make(c.separator);
        EXPECT_EQ(StringCountFields(s, separator), c.count) << c.s;
        for (size_t n = 0; n < c.fields.size(); n++)
            EXPECT_EQ(Taken(StringNthField(s, separator, static_cast<int>(n) + 1)), c.fields[n])
                << c.s << " field " << n + 1;
        EXPECT_EQ(StringNthField(s, separator, 0), nullptr);
        EXPECT_EQ(StringNthField(s, separator, -1), nullptr);
    }
}

TEST(StringSearch, AWholeFieldIsTheStringItself) {
    TestStrings make;
    StringObject* s = make("no separator");
    StringObject* field = StringNthField(s, make(","), 1);
    EXPECT_EQ(field, s);
    RuntimeUnlockString(field);
}

} // namespace
