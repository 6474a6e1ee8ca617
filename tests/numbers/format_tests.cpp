// StringFormat: every mask rule with the exact text it gives.
#include "numbertesting.h"
#include <limits>

namespace {

struct FormatCase {
    double value;
    const char* mask;
    const char* expected;
};

void ExpectFormats(const FormatCase* cases, size_t count) {
    for (size_t i = 0; i < count; i++)
        EXPECT_EQ(cases[i].expected, Formatted(cases[i].value, cases[i].mask))
            << cases[i].value << " under \"" << cases[i].mask << '"';
}
template <size_t N> void ExpectFormats(const FormatCase (&cases)[N]) { ExpectFormats(cases, N); }

TEST_F(PointLocale, MasksOfTheApplication) {
    const FormatCase cases[] = {
        {34.0953532, "+00.000000", "+34.095353"},
        {0, "+00.000000", "00.000000"},
        {-117.2348729, "+000.000000", "-117.234873"},
        {5.5, "+000.000000", "+005.500000"},
        {-117.2348729, "+00.000000", "-117.234873"},   // the extra digit comes out first
        {1140, "000000", "001140"},
        {5600, "0000000.000", "0005600.000"},
        {7, "00", "07"},
        {70.204, "000.000", "070.204"},
        {10001, "000000", "010001"},
        {180, "0000", "0180"},
        {12345, "00000", "12345"},
        {123456, "00000", "123456"},
    };
    ExpectFormats(cases);
}

TEST_F(PointLocale, PlaceholdersAndTrailingZeros) {
    const FormatCase cases[] = {
        {2.5, "#.##", "2.5"},
        {3, "#.##", "3."},
        {0.5, "#.#", "0.5"},
        {0, "#", "0"},
        {9.999, "0.00", "10.00"},          // rounding carries into a new digit
        {123.46, "00.0", "123.5"},
        {1.25, "0.0.0", "1.25"},           // only the first point counts
        {1e20, "0", "100000000000000000000"},
        {0.5, ".00", ".50"},
        {12.5, ".00", "12.50"},            // the integer part is not lost
        {0.5, "#.000", "0.500"},
    };
    ExpectFormats(cases);
}

TEST_F(PointLocale, SignsAndSections) {
    const FormatCase cases[] = {
        {-5, "-0", "-5"},
        {5, "-0", "5"},
        {5, "+0", "+5"},
        {0, "+0", "0"},
        {0.0001, "+0", "+0"},              // a positive value keeps its "+"
        {-0.0001, "-0", "-0"},
        {-0.0, "+0.0", "0.0"},
        {5, "0;(0)", "5"},
        {-5, "0;(0)", "(5)"},
        {-5, "0;0", "5"},                  // a negative section of its own shows what it says
        {0, "0;-0;nil", ""},
        {0, "0;(0)", "0"},
        {-2, "0;(0);zero", "(2)"},
        // A negative number in a single section without a sign loses it.
        {-5, "0", "5"},
        {-141, "0000", "0141"},
        {-2.5, "00.0", "02.5"},
        {-0.0001, "0.00", "0.00"},
        {-117.2348729, "000.000000", "117.234873"},
        // Masks with a negative section of their own keep it.
        {-11, "0000;-0000", "-0011"},
        {1157, "0000;-0000", "1157"},
        {-5.25, "0000000.000;-0000000.000", "-0000005.250"},
    };
    ExpectFormats(cases);
}

TEST_F(PointLocale, PercentGroupingAndLiterals) {
    const FormatCase cases[] = {
        {0.256, "0%", "26%"},
        {0.1234, "0.0%", "12.3%"},
        {1234567, "#,##0", "1,234,567"},
        {999, "#,##0", "999"},
        {1000, "#,##0", "1,000"},
        {0, "#,##0", "0"},
        {1234.5, "#,##0.00", "1,234.50"},
        {5, "0,000", "0,005"},
        {123456789, "0,", "123,456,789"},
        {2.26, "(0.0)", "(2.3)"},
        {3.14159, "\\$0.00", "$3.14"},
        {12, "0 ft", "12"},                // other characters are dropped
        {5, "0\\#", "5#"},
        {5, "\\0\\.0", "0.5"},
        {5, "0\\", "5"},
    };
    ExpectFormats(cases);
}

TEST_F(PointLocale, Exponents) {
    const FormatCase cases[] = {
        {12345.678, "Scientific", "1.234568E+04"},
        {-0.00012, "scientific", "-1.200000E-04"},
        {0, "SCIENTIFIC", "0.000000E+00"},
        {12345, "0.00E-", "1.23E04"},
        {0.000123, "0.00e-", "1.23e-04"},
        {12345, "0.00E+", "1.23E+04"},
        {1e7, "0.0e", "1.0e+07"},
        {1e7, "#.##e+", "1.0e+07"},
        {1e7, "0E+", "1E+07"},
        {1e100, "0.0E+", "1.0E+100"},
        {-1.5e-5, "-0.0E+", "-1.5E-05"},
    };
    ExpectFormats(cases);
}

TEST_F(PointLocale, LongResultsAndOddNumbers) {
    std::string digits = Formatted(1.0 / 3, "0." + std::string(300, '0'));
    EXPECT_EQ(302u, digits.size());
    EXPECT_EQ("0.3333333333333333", digits.substr(0, 18));
    std::string large = Formatted(1e300, "#,##0");
    EXPECT_EQ(301u + 100u, large.size());
    EXPECT_EQ("1,000,000,000,000,000,052,504", large.substr(0, 29));
    // Whatever the C library spells them, these give some text and no crash.
    EXPECT_FALSE(Formatted(std::numeric_limits<double>::infinity(), "0.00").empty());
    EXPECT_FALSE(Formatted(std::numeric_limits<double>::quiet_NaN(), "#,##0.0E+").empty());
}

TEST_F(CommaLocale, MasksUseTheUserSeparators) {
    const FormatCase cases[] = {
        {1.5, "0.00", "1,50"},
        {34.0953532, "+00.000000", "+34,095353"},
        {5600, "0000000.000", "0005600,000"},
        {1234567.891, "#,##0.00", "1.234.567,89"},
        {12345.678, "Scientific", "1,234568E+04"},
        {1140, "000000", "001140"},
        {5, "0\\.", "5."},                 // a literal point stays a point
    };
    ExpectFormats(cases);
}

// In a two-byte code page the second byte of a character is never read as
// a mask character: 0x83 0x5C is katakana SO, 0x83 0x45 katakana U.
TEST_F(DbcsCodePage, MaskCharactersAreWholeCharacters) {
    const FormatCase cases[] = {
        {5, "0\x83\x5C" "0", "05"},
        {5, "\\\x83\x5C" "0", "\x83\x5C" "5"},
        {5, "0\x83\x45", "5"},
        {2.5, "0.0\x83\x45", "2.5"},
        {1234.5, "#,##0.00", "1,234.50"},
    };
    ExpectFormats(cases);
}

TEST_F(DbcsCodePage, NumbersReadAndWritten) {
    TestString text("\x83\x5C" "12");
    EXPECT_EQ(0, StringVal(text));
    EXPECT_EQ(0, runCDbl(text));
    TestString grouped("1,234.5");
    EXPECT_EQ(1234.5, runCDbl(grouped));
    EXPECT_EQ("2.5", Taken(runCStr(2.5)));
}

} // namespace
