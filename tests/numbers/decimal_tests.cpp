// The short ways of reading and writing decimals against the C library's
// long ways: both must give the same bytes and the same bits.
#include "numbertesting.h"
#include "core/decimal.h"
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

namespace {

std::string LibraryFixed(double value, int decimals) {
    char text[400];
    snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string Fixed(double value, int decimals) {
    char text[400];
    uint32_t length = WriteFixed(value, decimals, text, sizeof text);
    return std::string(text, length);
}

uint64_t Bits(double value) {
    uint64_t bits;
    memcpy(&bits, &value, sizeof bits);
    return bits;
}

double Read(const std::string& text) {
    return ReadDecimal(reinterpret_cast<const uint8_t*>(text.data()), static_cast<uint32_t>(text.size()));
}

TEST(Decimal, WritesAsTheLibraryDoes) {
    std::mt19937_64 random(2024);
    std::uniform_real_distribution<double> exponent(-12, 19);
    for (int i = 0; i < 20000; i++) {
        double value = std::pow(10.0, exponent(random)) * (random() % 2 ? 1 : -1);
        int decimals = static_cast<int>(random() % 12);
        ASSERT_EQ(LibraryFixed(value, decimals), Fixed(value, decimals)) << value << " " << decimals;
    }
}

// Values that lie exactly halfway between two results, values on the edges
// of the short way, and values it leaves to the library.
TEST(Decimal, WritesTiesAndEdgesAsTheLibraryDoes) {
    const double values[] = {
        0.5, 1.5, 2.5, 0.125, 0.375, 1.0625, 2.675, 1e-300, 4.9e-324, 0.0, -0.0,
        8.9e17, 8.99999e18, 9e18, 1e19, 123456789012345678.0, 1e300, 34.0953532,
        -117.2348729, 999999.99999995, 0.00000049999999999999999,
    };
    for (double value : values)
        for (int decimals = 0; decimals <= 10; decimals++)
            EXPECT_EQ(LibraryFixed(value, decimals), Fixed(value, decimals)) << value << " " << decimals;
}

TEST(Decimal, ReadsAsTheLibraryDoes) {
    std::mt19937_64 random(7);
    for (int i = 0; i < 20000; i++) {
        int digits = 1 + static_cast<int>(random() % 20);
        std::string text = random() % 2 ? "-" : "";
        for (int d = 0; d < digits; d++) text += static_cast<char>('0' + random() % 10);
        text.insert(text.size() - random() % (digits + 1), ".");
        if (random() % 3 == 0) text += "e" + std::to_string(static_cast<int>(random() % 61) - 30);
        ASSERT_EQ(Bits(strtod(text.c_str(), nullptr)), Bits(Read(text))) << text;
    }
}

TEST(Decimal, ReadsHardCasesAsTheLibraryDoes) {
    const char* texts[] = {
        "9007199254740993",            // halfway between 2^53 and 2^53 + 2
        "9007199254740995", "18014398509481985", "1e23", "8.5e-1", "2.2250738585072014e-308",
        "1.7976931348623157e308", "4.9e-324", "0.1", "0.3", "1e27", "1e28", "1e-27", "1e-28",
        "12345678901234567890", "1234567890123456789", "0.000", "-0", "+0.0e5", "5e-1",
        "34.0953532", "-117.2348729", "00000000000000000000000001.5",
    };
    for (const char* text : texts)
        EXPECT_EQ(Bits(strtod(text, nullptr)), Bits(Read(text))) << text;
}

} // namespace
