// The string routines in DBCS mode, run in the Japanese code page 932. The
// texts mix one-byte characters with two-byte ones: あ 82 A0, い 82 A2,
// Ａ 82 60, ａ 82 81, the ideographic space 81 40, and 、 81 41, whose
// second byte is the letter A.
#include <gtest/gtest.h>
#include <windows.h>
#include "stringtesting.h"
#include "core/codepage.h"

namespace {

#define HIRAGANA_A "\x82\xA0"
#define HIRAGANA_I "\x82\xA2"
#define FULLWIDTH_UPPER_A "\x82\x60"
#define FULLWIDTH_LOWER_A "\x82\x81"
#define IDEOGRAPHIC_SPACE "\x81\x40"
#define IDEOGRAPHIC_COMMA "\x81\x41"

class Dbcs : public ::testing::Test {
protected:
    void SetUp() override {
        if (GetACP() != 932) GTEST_SKIP() << "runs in code page 932 (LC_ALL=ja_JP.UTF-8)";
        ASSERT_TRUE(InDbcsMode());
    }
    TestStrings make;
};

TEST_F(Dbcs, LengthCountsCharacters) {
    StringObject* s = make(HIRAGANA_A "b");
    EXPECT_EQ(StringDBCSLen(s), 2);
    EXPECT_EQ(StringLen(s), 3);
    EXPECT_EQ(StringDBCSLen(make("a\x82")), 2);   // a lead byte without its follower
    EXPECT_EQ(StringDBCSLen(nullptr), 0);
}

TEST_F(Dbcs, PiecesTakeWholeCharacters) {
    using Piece = StringObject* (*)(StringObject*, int, int);
    Piece left = [](StringObject* s, int n, int) { return StringDBCSLeft(s, n); };
    Piece right = [](StringObject* s, int n, int) { return StringDBCSRight(s, n); };
    Piece mid2 = [](StringObject* s, int start, int) { return StringDBCSMid2(s, start); };
    Piece mid3 = [](StringObject* s, int start, int n) { return StringDBCSMid3(s, start, n); };
    struct Case {
        Piece routine;
        const char* call;
        int a, b;
        const char* expected;
    } cases[] = {
        {left, "Left 1", 1, 0, HIRAGANA_A},
        {left, "Left 2", 2, 0, HIRAGANA_A "b"},
        {left, "Left 0", 0, 0, ""},
        {right, "Right 1", 1, 0, HIRAGANA_I},
        {right, "Right 3", 3, 0, "b" IDEOGRAPHIC_COMMA HIRAGANA_I},
        {right, "Right 0", 0, 0, ""},
        {mid2, "Mid 2", 2, 0, "b" IDEOGRAPHIC_COMMA HIRAGANA_I},
        {mid2, "Mid 4", 4, 0, HIRAGANA_I},
        {mid2, "Mid 5", 5, 0, ""},
        {mid3, "Mid 2, 2", 2, 2, "b" IDEOGRAPHIC_COMMA},
        {mid3, "Mid 3, 9", 3, 9, IDEOGRAPHIC_COMMA HIRAGANA_I},
        {mid3, "Mid 0, 2", 0, 2, HIRAGANA_A},
        {mid3, "Mid 5, 1", 5, 1, ""},
    };
    StringObject* s = make(HIRAGANA_A "b" IDEOGRAPHIC_COMMA HIRAGANA_I);
    for (const Case& c : cases) EXPECT_EQ(Taken(c.routine(s, c.a, c.b)), c.expected) << c.call;

    Piece wholes[] = {left, right, mid2, mid3};
    for (Piece whole : wholes) {
        StringObject* result = whole(s, whole == mid2 || whole == mid3 ? 1 : 4, 4);
        EXPECT_EQ(result, s);
        RuntimeUnlockString(result);
    }
}

TEST_F(Dbcs, SearchStepsByCharacterAndIgnoresCase) {
    StringObject* s = make(IDEOGRAPHIC_COMMA "x" FULLWIDTH_UPPER_A "x");
    EXPECT_EQ(StringInStr(1, s, make("a")), 0);   // never inside a character
    EXPECT_EQ(StringInStr(1, s, make("X")), 3);
    EXPECT_EQ(StringDBCSInStr(1, s, make("X")), 2);
    EXPECT_EQ(StringDBCSInStr(3, s, make("x")), 4);
    EXPECT_EQ(StringDBCSInStr(1, s, make(FULLWIDTH_LOWER_A)), 3);
    EXPECT_EQ(StringDBCSInStr(5, s, make("x")), 0);
    EXPECT_EQ(StringDBCSInStr(9, s, nullptr), 9);
    EXPECT_EQ(StringInStrB(1, s, make("A")), 2);   // the exact search is by bytes
}

TEST_F(Dbcs, FieldsAndReplacementsUseTheCharacterSearch) {
    StringObject* s = make(HIRAGANA_A "," IDEOGRAPHIC_COMMA "A");
    EXPECT_EQ(StringCountFields(s, make("a")), 2);
    EXPECT_EQ(Taken(StringNthField(s, make(","), 2)), IDEOGRAPHIC_COMMA "A");
    EXPECT_EQ(Taken(StringReplaceAll(s, make("a"), make("-"))), HIRAGANA_A "," IDEOGRAPHIC_COMMA "-");
}

TEST_F(Dbcs, AscAndChrTakeTwoByteCodes) {
    EXPECT_EQ(StringDBCSAsc(make(HIRAGANA_A "b")), 0x82A0);
    EXPECT_EQ(StringDBCSAsc(make("\x82")), 0x82);
    EXPECT_EQ(StringDBCSAsc(make("b" HIRAGANA_A)), 'b');
    EXPECT_EQ(Taken(StringDBCSChr(0x82A2)), HIRAGANA_I);
    EXPECT_EQ(Taken(StringDBCSChr(0x41)), "A");
}

TEST_F(Dbcs, TrimAndCaseWorkPerCharacter) {
    StringObject* s = make(IDEOGRAPHIC_SPACE " " FULLWIDTH_LOWER_A "b " IDEOGRAPHIC_SPACE);
    EXPECT_EQ(Taken(runTrim(s)), FULLWIDTH_LOWER_A "b");
    EXPECT_EQ(Taken(runLTrim(s)), FULLWIDTH_LOWER_A "b " IDEOGRAPHIC_SPACE);
    EXPECT_EQ(Taken(runRTrim(s)), IDEOGRAPHIC_SPACE " " FULLWIDTH_LOWER_A "b");
    EXPECT_EQ(Taken(StringUCase(make(FULLWIDTH_LOWER_A "b"))), FULLWIDTH_UPPER_A "B");
    EXPECT_EQ(Taken(StringTitleCase(make(FULLWIDTH_LOWER_A "B " "cD\x82"))),
              FULLWIDTH_UPPER_A "b Cd\x82");
}

} // namespace
