// Conversions between integers, doubles and text.
#include "numbertesting.h"
#include <climits>
#include <cmath>
#include <limits>

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInfinity = std::numeric_limits<double>::infinity();

TEST(Conversions, FPToIntTruncatesAndGivesIndefiniteOutOfRange) {
    const struct { double value; int32_t expected; } cases[] = {
        {2.9, 2}, {-2.9, -2}, {0.0, 0}, {-0.5, 0},
        {2147483647.9, INT_MAX}, {-2147483648.9, INT_MIN},
        {2147483648.0, INT_MIN}, {-2147483649.0, INT_MIN},
        {3e9, INT_MIN}, {-3e9, INT_MIN}, {kInfinity, INT_MIN}, {kNaN, INT_MIN},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, FPToInt(c.value)) << c.value;
}

TEST(Conversions, SingleToIntFollowsFPToInt) {
    EXPECT_EQ(2, SingleToInt(2.9f));
    EXPECT_EQ(-2, SingleToInt(-2.9f));
    EXPECT_EQ(INT_MIN, SingleToInt(3e9f));
    EXPECT_EQ(INT_MIN, SingleToInt(std::numeric_limits<float>::quiet_NaN()));
}

TEST(Conversions, IntToFPIsExact) {
    for (int32_t value : {0, 1, -1, INT_MAX, INT_MIN, 123456789})
        EXPECT_EQ(static_cast<double>(value), IntToFP(value));
}

TEST(Conversions, StringVal) {
    const struct { std::string text; double expected; } cases[] = {
        // Decimal numbers, read up to the first byte that does not fit.
        {" 12.5abc", 12.5}, {"abc", 0}, {"1e3", 1000}, {"1,5", 1}, {"", 0},
        {"-2.5e-3", -0.0025}, {"+.5", 0.5}, {"5.", 5}, {".", 0}, {"-", 0},
        {"1e", 1}, {"1e+", 1}, {"5e1x", 50}, {"1.2.3", 1.2}, {"12 34", 12},
        {"\t\n\v\f\r 7", 7}, {"--1", 0}, {"1e-2", 0.01}, {"34.0953532", 34.0953532},
        {std::string("1\0" "2", 3), 1},
        // Other spellings that the C library alone would take.
        {"0x1A", 0}, {"inf", 0}, {"nan", 0}, {"infinity", 0},
        // Radix prefixes: wrapping 32 bits, non-digits passed over.
        {"&H1F", 31}, {"&hff", 255}, {"&HFFFFFFFF", -1}, {"&H100000001", 1},
        {"&H1G", 32}, {"&HZ", 35}, {"&H 1 F", 31}, {"&O17", 15}, {"&o8", 0},
        {"&b101", 5}, {"&B1021", 5}, {"&X12", 0}, {"&H", 0}, {"&", 0}, {"&12", 0},
    };
    for (const auto& c : cases) {
        TestString text(c.text);
        EXPECT_EQ(c.expected, StringVal(text)) << '"' << c.text << '"';
    }
}

TEST(Conversions, StringValOfLongNumbers) {
    TestString tiny("0." + std::string(80, '0') + "1");
    EXPECT_DOUBLE_EQ(1e-81, StringVal(tiny));
    TestString large(std::string(100, '9') + "x");
    EXPECT_DOUBLE_EQ(1e100, StringVal(large));
}

TEST(Conversions, StringStr) {
    const struct { double value; const char* expected; } cases[] = {
        {0, "0"}, {-0.0, "0"}, {1.5, "1.5"}, {100, "100"}, {0.1, "0.1"},
        {-2.25, "-2.25"}, {1.0 / 3, "0.3333333"}, {123456.78901234, "123456.7890123"},
        {1000000, "1000000"}, {-1000000, "-1000000"}, {0.00001, "0.00001"},
        {1000001, "1.000001e+06"}, {1e7, "1.000000e+07"}, {0.000001234, "1.234000e-06"},
        {0.000009, "9.000000e-06"}, {-1e300, "-1.000000e+300"}, {1e-300, "1.000000e-300"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, Taken(StringStr(c.value))) << c.value;
}

TEST(Conversions, HexAndOctAreUnsigned) {
    const struct { int32_t value; const char* hex; const char* oct; } cases[] = {
        {0, "0", "0"}, {8, "8", "10"}, {255, "FF", "377"}, {0xABCDEF, "ABCDEF", "52746757"},
        {-1, "FFFFFFFF", "37777777777"}, {INT_MIN, "80000000", "20000000000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.hex, Taken(RuntimeHex(c.value))) << c.value;
        EXPECT_EQ(c.oct, Taken(RuntimeOct(c.value))) << c.value;
    }
}

// Every result is one string object and its text block, and nothing else
// stays allocated once it is released.
TEST(Conversions, ResultsHoldOnlyTheirOwnMemory) {
    TestString mask("#,##0.000000");
    TestString number(" 12345.678");
    int before = RuntimeDebugMemoryUsed();
    StringObject* formatted = StringFormat(1234567.25, mask);
    EXPECT_EQ(before + 16 + static_cast<int>(StringLength(formatted)) + 2, RuntimeDebugMemoryUsed());
    RuntimeUnlockString(formatted);
    StringObject* plain = StringStr(1.0 / 3);
    EXPECT_EQ(before + 16 + 9 + 2, RuntimeDebugMemoryUsed());
    RuntimeUnlockString(plain);
    EXPECT_EQ(12345.678, StringVal(number));
    EXPECT_EQ(12345.678, runCDbl(number));
    RuntimeUnlockString(runCStr(2.5));
    EXPECT_EQ(before, RuntimeDebugMemoryUsed());
}

// runCStr and runCDbl in the user's separators; StringStr and StringVal
// keep to the C locale's.
struct UserNumbers {
    const char* oneAndAHalf;       // 1.5
    const char* tenMillion;        // 1e7
    const char* grouped;           // 1234567.5 with grouping
    double groupedByStringVal;
};

void ExpectUserNumbers(const UserNumbers& user) {
    EXPECT_EQ(user.oneAndAHalf, Taken(runCStr(1.5)));
    EXPECT_EQ(user.tenMillion, Taken(runCStr(1e7)));
    EXPECT_EQ("42", Taken(runCStr(42)));
    EXPECT_EQ("1.5", Taken(StringStr(1.5)));
    TestString oneAndAHalf(user.oneAndAHalf), grouped(user.grouped), hex("&H1F");
    EXPECT_EQ(1.5, runCDbl(oneAndAHalf));
    EXPECT_EQ(1234567.5, runCDbl(grouped));
    EXPECT_EQ(user.groupedByStringVal, StringVal(grouped));
    EXPECT_EQ(31, runCDbl(hex));
}

TEST_F(PointLocale, UserSeparators) {
    ExpectUserNumbers({"1.5", "1.000000e+07", "1,234,567.5", 1});
}

TEST_F(CommaLocale, UserSeparators) {
    ExpectUserNumbers({"1,5", "1,000000e+07", "1.234.567,5", 1.234});
}

} // namespace
