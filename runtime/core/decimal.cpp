// Short decimal texts read and written exactly (see decimal.h).
#include "decimal.h"
#include "scratchtext.h"
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool IsDigit(uint8_t c) { return c >= '0' && c <= '9'; }

// 10^0 to 10^27: 5^27 still fits the 64-bit significand of the x87's
// extended format, so each power is exact there.
constexpr long double kExtendedPowers[] = {
    1e0L, 1e1L, 1e2L, 1e3L, 1e4L, 1e5L, 1e6L, 1e7L, 1e8L, 1e9L, 1e10L, 1e11L, 1e12L, 1e13L,
    1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L,
    1e26L, 1e27L,
};
constexpr int kLargestPower = 27;

constexpr uint32_t kScales[] = {
    1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000,
};
constexpr int kMostDecimals = 9;

// The x87 rounds to nearest with a 64-bit or 53-bit significand, as the
// reading below assumes (a library that left it at 24 bits would not).
bool ExtendedArithmeticRoundsToNearest() {
    uint16_t control;
    asm volatile("fnstcw %0" : "=m"(control));
    uint16_t precisionAndRounding = control & 0x0F00;
    return precisionAndRounding == 0x0300 || precisionAndRounding == 0x0200;
}

// Rounding the extended result to a double again can go wrong only when it
// lies exactly halfway between two doubles: its 11 extra bits are 10000000000.
bool HalfwayBetweenDoubles(long double value) {
    uint64_t significand;
    memcpy(&significand, &value, sizeof significand);
    return (significand & 0x7FF) == 0x400;
}

struct Decimal {
    bool negative = false;
    uint64_t digits = 0;       // the significant digits as an integer
    int significant = 0;
    int exponent = 0;          // value = digits × 10^exponent
};

// Takes one digit; false when the 19 digits that 64 bits hold are used up.
bool TakeDigit(Decimal& d, uint8_t c, bool inFraction) {
    if (inFraction) d.exponent--;
    if (d.digits == 0 && c == '0') return true;     // leading zeros do not count
    if (d.significant == 19) return false;
    d.digits = d.digits * 10 + (c - '0');
    d.significant++;
    return true;
}

bool ParseDecimal(const uint8_t* p, const uint8_t* end, Decimal& d) {
    if (p < end && (*p == '+' || *p == '-')) d.negative = *p++ == '-';
    for (; p < end && IsDigit(*p); p++)
        if (!TakeDigit(d, *p, false)) return false;
    if (p < end && *p == '.')
        for (p++; p < end && IsDigit(*p); p++)
            if (!TakeDigit(d, *p, true)) return false;
    if (p < end && (*p == 'e' || *p == 'E')) {
        p++;
        bool negativeExponent = false;
        if (p < end && (*p == '+' || *p == '-')) negativeExponent = *p++ == '-';
        int exponent = 0;
        for (; p < end && IsDigit(*p); p++)
            if ((exponent = exponent * 10 + (*p - '0')) > 9999) return false;
        d.exponent += negativeExponent ? -exponent : exponent;
    }
    return p == end;
}

// P = high × 2^64 + low shifted right by shift bits, rounded to nearest
// with ties to even, as the C library rounds an exact binary value.
uint64_t ShiftRoundingToEven(uint64_t high, uint64_t low, int shift) {
    if (shift >= 128) return 0;                      // P < 2^83 is below one half
    uint64_t quotient;
    bool above, halfway;
    if (shift < 64) {
        quotient = (low >> shift) | (high << (64 - shift));
        uint64_t rest = low & ((1ull << shift) - 1), half = 1ull << (shift - 1);
        above = rest > half;
        halfway = rest == half;
    } else if (shift == 64) {
        quotient = high;
        above = low > (1ull << 63);
        halfway = low == (1ull << 63);
    } else {
        int t = shift - 64;
        quotient = high >> t;
        uint64_t restHigh = high & ((1ull << t) - 1), halfHigh = 1ull << (t - 1);
        above = restHigh > halfHigh || (restHigh == halfHigh && low != 0);
        halfway = restHigh == halfHigh && low == 0;
    }
    if (above || (halfway && (quotient & 1))) quotient++;
    return quotient;
}

// round(value × 10^decimals) for a value whose result stays below 2^63.
uint64_t ScaledAndRounded(double value, uint32_t scale) {
    uint64_t bits;
    memcpy(&bits, &value, sizeof bits);
    int biased = static_cast<int>(bits >> 52) & 0x7FF;
    uint64_t significand = bits & ((1ull << 52) - 1);
    int exponent = -1074;                           // value = significand × 2^exponent
    if (biased != 0) {
        significand |= 1ull << 52;
        exponent = biased - 1075;
    }
    if (exponent >= 0) return (significand << exponent) * scale;
    // The 53 × 30-bit product takes up to 83 bits.
    uint64_t lowProduct = (significand & 0xFFFFFFFF) * scale;
    uint64_t highProduct = (significand >> 32) * scale;
    uint64_t low = lowProduct + (highProduct << 32);
    uint64_t high = (highProduct >> 32) + (low < lowProduct ? 1 : 0);
    return ShiftRoundingToEven(high, low, -exponent);
}

// The short way of reading: false when the number has more than 19
// significant digits or a decimal exponent beyond 27, or when its rounding
// needs the long way.
bool ReadShortDecimal(const uint8_t* text, uint32_t length, double* value) {
    Decimal d;
    if (!ParseDecimal(text, text + length, d)) return false;
    if (d.digits == 0) {
        *value = d.negative ? -0.0 : 0.0;
        return true;
    }
    if (d.exponent < -kLargestPower || d.exponent > kLargestPower) return false;
    if (!ExtendedArithmeticRoundsToNearest()) return false;
    long double exact = static_cast<long double>(d.digits);
    if (d.exponent >= 0) exact *= kExtendedPowers[d.exponent];
    else exact /= kExtendedPowers[-d.exponent];
    if (HalfwayBetweenDoubles(exact)) return false;
    double rounded = static_cast<double>(exact);
    *value = d.negative ? -rounded : rounded;
    return true;
}

constexpr uint32_t kShortFixedSize = 21;    // 19 digits and a point

// The short way of writing a value that is not negative: the length, or 0
// when value is not finite, decimals is above 9 or value × 10^decimals
// reaches 9e18.
uint32_t WriteShortFixed(double value, int decimals, char (&out)[kShortFixedSize]) {
    if (!(value >= 0) || decimals < 0 || decimals > kMostDecimals) return 0;
    uint32_t scale = kScales[decimals];
    if (!(value * scale < 9e18)) return 0;          // also sends infinity away
    uint64_t scaled = ScaledAndRounded(value, scale);

    char digits[20];
    int count = 0;
    for (; scaled >= 0x100000000ull; scaled /= 10) digits[count++] = '0' + scaled % 10;
    for (uint32_t rest = static_cast<uint32_t>(scaled); rest != 0; rest /= 10)
        digits[count++] = '0' + rest % 10;
    while (count <= decimals) digits[count++] = '0';  // at least "0" before the point

    uint32_t length = 0;
    for (int i = count - 1; i >= 0; i--) {
        if (i == decimals - 1) out[length++] = '.';
        out[length++] = digits[i];
    }
    return length;
}

} // namespace

double ReadDecimal(const uint8_t* text, uint32_t length) {
    double value;
    if (ReadShortDecimal(text, length, &value)) return value;
    ScratchText<64> number;
    number.Append(text, length);
    number.Append('\0');
    return strtod(number.data(), nullptr);
}

uint32_t WriteFixed(double value, int decimals, char* out, uint32_t size) {
    char text[kShortFixedSize];
    bool negative = value < 0 || (value == 0 && std::signbit(value));
    uint32_t length = WriteShortFixed(negative ? -value : value, decimals, text);
    if (length == 0 || length + negative >= size)
        return snprintf(out, size, "%.*f", decimals, value);
    if (negative) *out++ = '-';
    memcpy(out, text, length);
    return length + negative;
}
