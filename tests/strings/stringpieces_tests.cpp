// Left, Right, Mid, Len, Asc and Chr by bytes, and their DBCS variants,
// which in a single-byte code page must give the same results.
#include <gtest/gtest.h>
#include "stringtesting.h"
#include "core/codepage.h"
#include "core/utility.h"

namespace {

using Piece = StringObject* (*)(StringObject* s, int a, int b);

struct Routines {
    const char* name;
    Piece left, right, mid2, mid3;
};

const Routines kByteRoutines = {
    "bytes",
    [](StringObject* s, int n, int) { return StringLeft(s, n); },
    [](StringObject* s, int n, int) { return StringRight(s, n); },
    [](StringObject* s, int start, int) { return StringMid2(s, start); },
    [](StringObject* s, int start, int n) { return StringMid3(s, start, n); },
};

const Routines kDbcsRoutines = {
    "DBCS variants",
    [](StringObject* s, int n, int) { return StringDBCSLeft(s, n); },
    [](StringObject* s, int n, int) { return StringDBCSRight(s, n); },
    [](StringObject* s, int start, int) { return StringDBCSMid2(s, start); },
    [](StringObject* s, int start, int n) { return StringDBCSMid3(s, start, n); },
};

struct PieceCase {
    Piece Routines::*routine;
    const char* call;
    const char* s;
    int a, b;
    const char* expected;
    bool sameObject;   // the result is s itself
};

const PieceCase kPieceCases[] = {
    {&Routines::left, "Left(abc, 2)", "abc", 2, 0, "ab", false},
    {&Routines::left, "Left(abc, 3)", "abc", 3, 0, "abc", true},
    {&Routines::left, "Left(abc, 5)", "abc", 5, 0, "abc", true},
    {&Routines::left, "Left(abc, 0)", "abc", 0, 0, "", false},
    {&Routines::left, "Left(abc, -1)", "abc", -1, 0, "", false},
    {&Routines::left, "Left(, 2)", "", 2, 0, "", false},
    {&Routines::right, "Right(abc, 2)", "abc", 2, 0, "bc", false},
    {&Routines::right, "Right(abc, 9)", "abc", 9, 0, "abc", true},
    {&Routines::right, "Right(abc, 0)", "abc", 0, 0, "", false},
    {&Routines::right, "Right(abc, -5)", "abc", -5, 0, "", false},
    {&Routines::mid2, "Mid(abc, 1)", "abc", 1, 0, "abc", true},
    {&Routines::mid2, "Mid(abc, -3)", "abc", -3, 0, "abc", true},
    {&Routines::mid2, "Mid(abc, 2)", "abc", 2, 0, "bc", false},
    {&Routines::mid2, "Mid(abc, 3)", "abc", 3, 0, "c", false},
    {&Routines::mid2, "Mid(abc, 4)", "abc", 4, 0, "", false},
    {&Routines::mid3, "Mid(abcdef, 2, 3)", "abcdef", 2, 3, "bcd", false},
    {&Routines::mid3, "Mid(abcdef, 0, 3)", "abcdef", 0, 3, "ab", false},
    {&Routines::mid3, "Mid(abcdef, -1, 3)", "abcdef", -1, 3, "a", false},
    {&Routines::mid3, "Mid(abcdef, -5, 3)", "abcdef", -5, 3, "", false},
    {&Routines::mid3, "Mid(abcdef, 1, 6)", "abcdef", 1, 6, "abcdef", true},
    {&Routines::mid3, "Mid(abcdef, 4, 10)", "abcdef", 4, 10, "def", false},
    {&Routines::mid3, "Mid(abcdef, 6, 1)", "abcdef", 6, 1, "f", false},
    {&Routines::mid3, "Mid(abcdef, 7, 1)", "abcdef", 7, 1, "", false},
    {&Routines::mid3, "Mid(abcdef, 2, 0)", "abcdef", 2, 0, "", false},
    {&Routines::mid3, "Mid(abcdef, 2, -1)", "abcdef", 2, -1, "", false},
    {&Routines::mid3, "Mid(abcdef, -2147483647, 5)", "abcdef", -2147483647, 5, "", false},
    {&Routines::mid3, "Mid(abcdef, 3, 2147483647)", "abcdef", 3, 2147483647, "cdef", false},
};

void ExpectPieceCases(const Routines& routines) {
    for (const PieceCase& c : kPieceCases) {
        TestStrings make;
        StringObject* s = make(c.s);
        int memoryBefore = RuntimeDebugMemoryUsed();
        StringObject* result = (routines.*c.routine)(s, c.a, c.b);
        SCOPED_TRACE(std::string(routines.name) + ": " + c.call);
        if (c.sameObject) {
            EXPECT_EQ(result, s);
            EXPECT_EQ(s->refs, 2);
            EXPECT_EQ(RuntimeDebugMemoryUsed(), memoryBefore);   // nothing allocated
        } else if (result) {
            EXPECT_NE(result, s);
            EXPECT_EQ(RuntimeDebugMemoryUsed() - memoryBefore,
                      static_cast<int>(16 + result->length + 2));
        } else {
            EXPECT_EQ(RuntimeDebugMemoryUsed(), memoryBefore);
        }
        EXPECT_EQ(Taken(result), c.expected);
    }
}

TEST(StringPieces, FollowThePositionRules) {
    ASSERT_FALSE(InDbcsMode());
    ExpectPieceCases(kByteRoutines);
}

TEST(StringPieces, DbcsVariantsAreTheByteRoutinesInASingleByteCodePage) {
    ASSERT_FALSE(InDbcsMode());
    ExpectPieceCases(kDbcsRoutines);
    TestStrings make;
    StringObject* s = make("\xE9t\xE9");
    EXPECT_EQ(StringDBCSLen(s), 3);
    EXPECT_EQ(StringDBCSAsc(s), 0xE9);
    EXPECT_EQ(StringDBCSInStr(2, s, make("\xC9")), 3);
    EXPECT_EQ(Taken(StringDBCSChr(0x4142)), "B");
}

TEST(StringPieces, LenAscAndChr) {
    TestStrings make;
    EXPECT_EQ(StringLen(nullptr), 0);
    EXPECT_EQ(StringLen(make(std::string("a\0c", 3))), 3);
    EXPECT_EQ(StringAsc(nullptr), 0);
    EXPECT_EQ(StringAsc(make("\xE9t\xE9")), 233);
    EXPECT_EQ(Taken(StringChr(65)), "A");
    EXPECT_EQ(Taken(StringChr(0x1E9)), "\xE9");
    StringObject* zero = StringChr(0);
    ASSERT_NE(zero, nullptr);
    EXPECT_EQ(zero->length, 1u);
    EXPECT_EQ(Taken(zero), std::string("\0", 1));
}

} // namespace
