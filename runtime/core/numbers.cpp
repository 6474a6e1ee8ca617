// Conversions between numbers and text: integers and doubles, StringVal and
// runCDbl from text, StringStr and runCStr to text, hexadecimal and octal.
// None of them fails: unreadable text reads as 0, out-of-range numbers give
// the integer indefinite value.
#include "numbers.h"
#include "codepage.h"
#include "decimal.h"
#include "numberlocale.h"
#include "scratchtext.h"
#include <cmath>
#include <cstdio>

namespace {

constexpr int32_t kIntegerIndefinite = INT32_MIN;   // 0x80000000

// ---- Reading numbers -------------------------------------------------------

bool IsSpace(uint8_t c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(uint8_t c) { return c >= '0' && c <= '9'; }

// The value of a digit of "&H", "&O" or "&B" numbers: letters count from 10
// up to 35 whatever the radix, so the radix limit decides what is a digit.
int DigitValue(uint8_t c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    return -1;
}

// "&H1F", "&o17", "&B101": the digits wrap into 32 bits and are taken as a
// signed integer; bytes that are no digit of the radix are passed over.
double RadixValue(uint8_t selector, const uint8_t* p, const uint8_t* end) {
    uint32_t radix, digitLimit;
    switch (selector) {
    case 'H': case 'h': radix = 16; digitLimit = 36; break;
    case 'O': case 'o': radix = 8; digitLimit = 8; break;
    case 'B': case 'b': radix = 2; digitLimit = 2; break;
    default: return 0;
    }
    uint32_t value = 0;
    for (; p < end; p++) {
        int digit = DigitValue(*p);
        if (digit >= 0 && static_cast<uint32_t>(digit) < digitLimit) value = value * radix + digit;
    }
    return static_cast<int32_t>(value);
}

// The length of the decimal number at p: sign, digits with an optional point
// and fraction (at least one digit in all), and an exponent when digits follow
// its letter. 0 when p holds no number.
uint32_t DecimalNumberLength(const uint8_t* p, const uint8_t* end) {
    const uint8_t* q = p;
    if (q < end && (*q == '+' || *q == '-')) q++;
    uint32_t digits = 0;
    for (; q < end && IsDigit(*q); q++) digits++;
    if (q < end && *q == '.')
        for (q++; q < end && IsDigit(*q); q++) digits++;
    if (digits == 0) return 0;
    if (q < end && (*q == 'e' || *q == 'E')) {
        const uint8_t* e = q + 1;
        if (e < end && (*e == '+' || *e == '-')) e++;
        if (e < end && IsDigit(*e)) {
            while (e < end && IsDigit(*e)) e++;
            q = e;
        }
    }
    return static_cast<uint32_t>(q - p);
}

// A C-locale decimal number after white space. Only the bytes that form the
// number are read, so none of strtod's other spellings (hexadecimal,
// infinity) is taken.
double DecimalValue(const uint8_t* p, const uint8_t* end) {
    while (p < end && IsSpace(*p)) p++;
    uint32_t length = DecimalNumberLength(p, end);
    return length == 0 ? 0 : ReadDecimal(p, length);
}

double TextValue(const uint8_t* p, uint32_t length) {
    if (length >= 2 && p[0] == '&') return RadixValue(p[1], p + 2, p + length);
    return DecimalValue(p, p + length);
}

const uint8_t* BytesOf(const StringObject* s) {
    return reinterpret_cast<const uint8_t*>(StringText(s));
}

bool StartsWith(const uint8_t* p, const uint8_t* end, const Separator& separator) {
    return separator.length > 0 && static_cast<uint32_t>(end - p) >= separator.length &&
           memcmp(p, separator.text, separator.length) == 0;
}

// ---- Writing numbers -------------------------------------------------------

constexpr uint32_t kPlainNumberSize = 32;   // "-1000000.0000000", "-1.797693e+308"

// StringStr's text: fixed with up to seven decimals from 0.00001 to 1,000,000,
// the exponent form beyond; never "-0".
uint32_t PlainNumberText(double value, char (&text)[kPlainNumberSize]) {
    if (value == 0) value = 0;                    // -0 becomes 0
    double magnitude = fabs(value);
    if (magnitude != 0 && !(magnitude >= 0.00001 && magnitude <= 1000000))
        return snprintf(text, sizeof text, "%.6e", value);
    uint32_t length = WriteFixed(value, 7, text, sizeof text);
    while (text[length - 1] == '0') length--;     // the point stops this
    if (text[length - 1] == '.') length--;
    return length;
}

StringObject* UnsignedDigits(uint32_t value, unsigned bitsPerDigit) {
    static const char kDigits[] = "0123456789ABCDEF";
    const uint32_t digitMask = (1u << bitsPerDigit) - 1;
    char text[11];                                // 32 bits in octal
    char* end = text + sizeof text;
    char* p = end;
    do {
        *--p = kDigits[value & digitMask];
        value >>= bitsPerDigit;
    } while (value != 0);
    return NewString(p, static_cast<uint32_t>(end - p));
}

} // namespace

extern "C" double IntToFP(int32_t value) { return value; }

extern "C" int32_t FPToInt(double value) {
    // The negated test also sends not-a-number to the indefinite value.
    if (!(value > -2147483649.0 && value < 2147483648.0)) return kIntegerIndefinite;
    return static_cast<int32_t>(value);
}

extern "C" int32_t SingleToInt(float value) { return FPToInt(value); }

extern "C" double StringVal(StringObject* text) {
    return TextValue(BytesOf(text), StringLength(text));
}

// The user's way of writing numbers ("1.234,5" in a German locale) becomes
// the C locale's: thousands separators go, the decimal separator becomes ".".
extern "C" double runCDbl(StringObject* text) {
    const uint8_t* p = BytesOf(text);
    const uint8_t* end = p + StringLength(text);
    const Separator thousands = UserThousandsSeparator();
    const Separator decimal = UserDecimalSeparator();
    ScratchText<64> normal;
    while (p < end) {
        if (StartsWith(p, end, thousands)) {
            p += thousands.length;
        } else if (StartsWith(p, end, decimal)) {
            normal.Append('.');
            p += decimal.length;
        } else {
            uint32_t size = CharacterSize(p, static_cast<uint32_t>(end - p));
            normal.Append(p, size);
            p += size;
        }
    }
    return TextValue(reinterpret_cast<const uint8_t*>(normal.data()), normal.length());
}

extern "C" StringObject* StringStr(double value) {
    char text[kPlainNumberSize];
    uint32_t length = PlainNumberText(value, text);
    return NewString(text, length);
}

// StringStr in the user's locale: its point becomes the decimal separator.
extern "C" StringObject* runCStr(double value) {
    char text[kPlainNumberSize];
    uint32_t length = PlainNumberText(value, text);
    const char* point = static_cast<const char*>(memchr(text, '.', length));
    if (!point) return NewString(text, length);
    const Separator decimal = UserDecimalSeparator();
    ScratchText<kPlainNumberSize + 4> local;
    local.Append(text, static_cast<uint32_t>(point - text));
    local.Append(decimal.text, decimal.length);
    local.Append(point + 1, static_cast<uint32_t>(text + length - point - 1));
    return local.ToString();
}

extern "C" StringObject* RuntimeHex(int32_t value) { return UnsignedDigits(value, 4); }

extern "C" StringObject* RuntimeOct(int32_t value) { return UnsignedDigits(value, 3); }
