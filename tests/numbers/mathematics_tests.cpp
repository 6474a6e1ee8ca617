// The mathematics family, also reached through the entry table as compiled
// code reaches it: doubles in as two words, the result on the x87 stack.
#include "numbertesting.h"
#include "core/entrytable.h"
#include <cmath>

namespace {

const double kPi = 3.14159265358979323846;

TEST(Mathematics, OneArgumentFunctions) {
    const struct { const char* name; double (*routine)(double); double x; double expected; } cases[] = {
        {"RuntimeACos", RuntimeACos, -1, kPi},
        {"RuntimeASin", RuntimeASin, 1, kPi / 2},
        {"RuntimeATan", RuntimeATan, 1, kPi / 4},
        {"RuntimeCos", RuntimeCos, kPi, -1},
        {"RuntimeSin", RuntimeSin, kPi / 2, 1},
        {"RuntimeTan", RuntimeTan, kPi / 4, 1},
        {"RuntimeExp", RuntimeExp, 1, 2.718281828459045},
        {"RuntimeLog", RuntimeLog, 2.718281828459045, 1},
        {"RuntimeSqrt", RuntimeSqrt, 2, 1.4142135623730951},
        {"RuntimeCeil", RuntimeCeil, -1.5, -1},
        {"RuntimeFloor", RuntimeFloor, -1.5, -2},
        {"RuntimeRound", RuntimeRound, 2.5, 3},
        {"RuntimeRound", RuntimeRound, -2.5, -3},
        {"RuntimeRound", RuntimeRound, 2.4999, 2},
        {"RuntimeAbs", RuntimeAbs, -3.25, 3.25},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(c.expected, c.routine(c.x), 1e-15) << c.name << '(' << c.x << ')';
        auto linked = reinterpret_cast<double (*)(double)>(LinkLookup(c.name));
        ASSERT_NE(nullptr, linked) << c.name;
        EXPECT_EQ(c.routine(c.x), linked(c.x)) << c.name;
    }
    EXPECT_TRUE(std::isnan(RuntimeSqrt(-1)));
}

TEST(Mathematics, TwoArgumentFunctions) {
    const struct { const char* name; double (*routine)(double, double); double a, b, expected; } cases[] = {
        {"RuntimeATan2", RuntimeATan2, 1, -1, 3 * kPi / 4},
        {"RuntimePow", RuntimePow, 2, 10, 1024},
        {"RuntimePow", RuntimePow, 9, 0.5, 3},
        {"RuntimeMax", RuntimeMax, -1, 2, 2},
        {"RuntimeMin", RuntimeMin, -1, 2, -1},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(c.expected, c.routine(c.a, c.b), 1e-15) << c.name;
        auto linked = reinterpret_cast<double (*)(double, double)>(LinkLookup(c.name));
        ASSERT_NE(nullptr, linked) << c.name;
        EXPECT_EQ(c.routine(c.a, c.b), linked(c.a, c.b)) << c.name;
    }
}

TEST(Mathematics, ConversionsThroughTheEntryTable) {
    auto val = reinterpret_cast<double (*)(StringObject*)>(LinkLookup("StringVal"));
    auto toInt = reinterpret_cast<int32_t (*)(double)>(LinkLookup("FPToInt"));
    auto toFP = reinterpret_cast<double (*)(int32_t)>(LinkLookup("IntToFP"));
    auto format = reinterpret_cast<StringObject* (*)(double, StringObject*)>(LinkLookup("StringFormat"));
    ASSERT_TRUE(val && toInt && toFP && format);
    TestString text("-12.75"), mask("+00.00");
    EXPECT_EQ(-12.75, val(text));
    EXPECT_EQ(-12, toInt(val(text)));
    EXPECT_EQ(-7.0, toFP(-7));
    EXPECT_EQ("-12.75", Taken(format(val(text), mask)));
}

TEST(Mathematics, RandomNumbersLieInTheUnitInterval) {
    double lowest = 1, highest = 0;
    for (int i = 0; i < 2000; i++) {
        double r = rnd();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        lowest = std::fmin(lowest, r);
        highest = std::fmax(highest, r);
    }
    EXPECT_LT(lowest, 0.05);
    EXPECT_GT(highest, 0.95);
}

TEST(Mathematics, BitwiseOperations) {
    EXPECT_EQ(0x0F00, BitwiseAnd(0x0FF0, 0xFF00));
    EXPECT_EQ(0xFFF0, BitwiseOr(0x0FF0, 0xFF00));
    EXPECT_EQ(0xF0F0, BitwiseXor(0x0FF0, 0xFF00));
    EXPECT_EQ(-1, BitwiseOr(INT32_MIN, INT32_MAX));
}

} // namespace
