// StringFormat: a number written under a format mask such as "+00.000000",
// "#,##0" or "0;(0);nil". The mask holds up to three sections separated by
// ";" (for positive, negative and zero values); in a section "0" is a digit
// padded with zero, "#" a digit left out when there is none, "." the user's
// decimal separator, "," asks for the user's thousands separator, "%" scales
// by 100, "E" or "e" asks for an exponent, "+" and "-" show the sign and "\"
// makes the next character literal. Other characters are dropped.
#include "numbers.h"
#include "casetable.h"
#include "codepage.h"
#include "decimal.h"
#include "numberlocale.h"
#include "scratchtext.h"
#include <cstdio>

namespace {

constexpr char kScientificName[] = "Scientific";
constexpr char kScientificMask[] = "-#.000000E+";

struct Span {
    const uint8_t* begin;
    const uint8_t* end;
};

Span SpanOf(const char* text) {
    const uint8_t* begin = reinterpret_cast<const uint8_t*>(text);
    return {begin, begin + strlen(text)};
}

// The position after the character at p, and after the character that a
// "\" there makes literal. In a two-byte code page a character is never
// split, so a second byte that happens to be "\" or "E" stays text.
const uint8_t* AfterCharacter(const uint8_t* p, const uint8_t* end) {
    return p + CharacterSize(p, static_cast<uint32_t>(end - p));
}
const uint8_t* AfterLiteral(const uint8_t* backslash, const uint8_t* end) {
    const uint8_t* p = backslash + 1;
    return p < end ? AfterCharacter(p, end) : p;
}

int SectionCount(Span mask) {
    if (mask.begin == mask.end) return 0;
    int count = 1;
    for (const uint8_t* p = mask.begin; p < mask.end; p++)
        if (*p == ';') count++;
    return count;
}

// Section n (1-based) of the mask; the last one runs to the end.
Span Section(Span mask, int n) {
    const uint8_t* begin = mask.begin;
    for (; n > 1; n--) begin = static_cast<const uint8_t*>(memchr(begin, ';', mask.end - begin)) + 1;
    const void* semicolon = memchr(begin, ';', mask.end - begin);
    return {begin, semicolon ? static_cast<const uint8_t*>(semicolon) : mask.end};
}

// What a section asks for, from one scan over it.
struct SectionFacts {
    int integerPlaces = 0;    // "#" and "0" before the first "."
    int decimalPlaces = 0;    // "#" and "0" after it
    bool point = false;
    bool percent = false;
    bool grouping = false;
    bool exponent = false;
    bool sign = false;        // a "+" or "-" shows the sign
};

SectionFacts ScanSection(Span section) {
    SectionFacts facts;
    for (const uint8_t* p = section.begin; p < section.end;) {
        switch (*p) {
        case '\\': p = AfterLiteral(p, section.end); continue;
        case '#': case '0': (facts.point ? facts.decimalPlaces : facts.integerPlaces)++; break;
        case '.': facts.point = true; break;
        case '%': facts.percent = true; break;
        case ',': facts.grouping = true; break;
        case 'E': case 'e': facts.exponent = true; break;
        case '+': case '-': facts.sign = true; break;
        }
        p = AfterCharacter(p, section.end);
    }
    return facts;
}

// The number as the C library writes it, fixed or with an exponent, with
// the fraction's trailing zeros taken off.
struct DigitText {
    ScratchText<128> text;
    uint32_t point;           // integer digits: where "." (or the exponent) is
    uint32_t exponentAt;      // where "e" is; digits from here serve no placeholder

    char At(uint32_t position) const { return text.data()[position]; }
};

void TrimFractionZeros(DigitText& digits, bool exponentForm) {
    char* text = digits.text.data();
    uint32_t length = digits.text.length();
    const char* e = static_cast<const char*>(memchr(text, 'e', length));
    const char* dot = static_cast<const char*>(memchr(text, '.', length));
    if (!exponentForm) {
        if (!dot) return;
        while (text[length - 1] == '0') length--;   // the point stops this
        digits.text.SetLength(length);
        return;
    }
    if (!e || !dot) return;
    // Keep the digit directly before "e": "1.000000e+07" becomes "1.0e+07".
    uint32_t mantissaEnd = static_cast<uint32_t>(e - text);
    uint32_t keep = mantissaEnd;
    while (keep - 1 > static_cast<uint32_t>(dot - text) + 1 && text[keep - 1] == '0') keep--;
    memmove(text + keep, text + mantissaEnd, length - mantissaEnd);
    digits.text.SetLength(length - (mantissaEnd - keep));
}

// The C conversion without a width, so the text has no leading spaces.
void ConvertToDigits(double value, const SectionFacts& facts, DigitText& digits) {
    // A sign, the integer digits (up to 309), a point and the decimals; the
    // room on the stack holds every number below 10^17 with 100 decimals.
    uint32_t integerDigits = facts.exponent ? 7 : value < 1e17 ? 18 : 310;
    digits.text.Reserve(integerDigits + 2 + facts.decimalPlaces);
    char* text = digits.text.data();
    uint32_t capacity = digits.text.capacity();
    digits.text.SetLength(facts.exponent
        ? snprintf(text, capacity, "%.*e", facts.decimalPlaces, value)
        : WriteFixed(value, facts.decimalPlaces, text, capacity));
    if (facts.decimalPlaces > 0) TrimFractionZeros(digits, facts.exponent);

    uint32_t length = digits.text.length();
    const char* e = static_cast<const char*>(memchr(text, 'e', length));
    digits.exponentAt = e ? static_cast<uint32_t>(e - text) : length;
    const char* dot = static_cast<const char*>(memchr(text, '.', digits.exponentAt));
    digits.point = dot ? static_cast<uint32_t>(dot - text) : digits.exponentAt;
}

// One formatting: the chosen section walked again with the digit text.
class Formatter {
public:
    Formatter(Span section, const SectionFacts& facts, const DigitText& digits,
              bool negative, bool positive)
        : section_(section), facts_(facts), digits_(digits),
          negative_(negative), positive_(positive) {
        if (facts.grouping) thousands_ = UserThousandsSeparator();
    }

    StringObject* Run();

private:
    void IntegerPlaceholder(uint8_t placeholder);
    void FractionPlaceholder(uint8_t placeholder);
    void DecimalPoint();
    const uint8_t* Exponent(uint8_t letter, const uint8_t* next);
    void IntegerDigits(int from, int to);
    void IntegerDigit(int position, uint8_t placeholder);

    Span section_;
    const SectionFacts& facts_;
    const DigitText& digits_;
    bool negative_, positive_;
    ScratchText<256> out_;
    Separator thousands_{};
    int placeholder_ = 0;     // placeholders seen since the start or the point
    bool fraction_ = false;
    bool digitWritten_ = false;
};

StringObject* Formatter::Run() {
    for (const uint8_t* p = section_.begin; p < section_.end;) {
        const uint8_t* next = AfterCharacter(p, section_.end);
        if (next - p == 2) { p = next; continue; }        // a two-byte character is dropped
        switch (*p) {
        case '\\':
            next = AfterLiteral(p, section_.end);
            out_.Append(p + 1, static_cast<uint32_t>(next - p - 1));
            break;
        case '#': case '0':
            if (fraction_) FractionPlaceholder(*p); else IntegerPlaceholder(*p);
            break;
        case '.': DecimalPoint(); break;
        case '+': if (negative_) out_.Append('-'); else if (positive_) out_.Append('+'); break;
        case '-': if (negative_) out_.Append('-'); break;
        case '%': case '(': case ')': out_.Append(static_cast<char>(*p)); break;
        case 'E': case 'e': if (facts_.exponent) next = Exponent(*p, next); break;
        }
        p = next;
    }
    return out_.ToString();
}

// The first integer placeholder takes every digit the mask has no room for.
void Formatter::IntegerPlaceholder(uint8_t placeholder) {
    int point = static_cast<int>(digits_.point);
    int first = point - facts_.integerPlaces;
    if (placeholder_ == 0 && first > 0) IntegerDigits(0, first + 1);
    else IntegerDigit(first + placeholder_, placeholder);
    placeholder_++;
}

void Formatter::FractionPlaceholder(uint8_t placeholder) {
    uint32_t position = digits_.point + 1 + placeholder_;
    if (position < digits_.exponentAt) out_.Append(digits_.At(position));
    else if (placeholder == '0') out_.Append('0');
    placeholder_++;
}

// Only the first point counts. A section without integer placeholders still
// shows the integer part when it is more than "0", so 12.5 under ".0" is
// "12.5", not ".5".
void Formatter::DecimalPoint() {
    if (fraction_) return;
    if (facts_.integerPlaces == 0 && !(digits_.point == 1 && digits_.At(0) == '0'))
        IntegerDigits(0, static_cast<int>(digits_.point));
    const Separator decimal = UserDecimalSeparator();
    out_.Append(decimal.text, decimal.length);
    fraction_ = true;
    placeholder_ = 0;
}

const uint8_t* Formatter::Exponent(uint8_t letter, const uint8_t* next) {
    out_.Append(static_cast<char>(letter));
    const char* text = digits_.text.data();
    uint32_t length = digits_.text.length();
    if (digits_.exponentAt >= length) return next;          // infinity has none
    const char* sign = text + digits_.exponentAt + 1;
    const char* end = text + length;
    bool minusOnly = next < section_.end && *next == '-';
    if (next < section_.end && (*next == '+' || *next == '-')) next++;
    if (minusOnly && *sign == '+') sign++;
    out_.Append(sign, static_cast<uint32_t>(end - sign));
    return next;
}

void Formatter::IntegerDigits(int from, int to) {
    for (int position = from; position < to; position++) IntegerDigit(position, '0');
}

// A digit of the integer part, or the padding of a "0" before its first
// digit; the thousands separator goes before every third one from the point.
void Formatter::IntegerDigit(int position, uint8_t placeholder) {
    bool hasDigit = position >= 0 && position < static_cast<int>(digits_.exponentAt);
    if (!hasDigit && placeholder == '#') return;
    int fromPoint = static_cast<int>(digits_.point) - position;
    if (facts_.grouping && digitWritten_ && fromPoint > 0 && fromPoint % 3 == 0)
        out_.Append(thousands_.text, thousands_.length);
    out_.Append(hasDigit ? digits_.At(position) : '0');
    digitWritten_ = true;
}

} // namespace

extern "C" StringObject* StringFormat(double value, StringObject* mask) {
    if (value == 0) value = 0;                               // -0 is 0
    Span whole{reinterpret_cast<const uint8_t*>(StringText(mask)), nullptr};
    whole.end = whole.begin + StringLength(mask);
    bool negative = false;
    bool positive = value > 0;
    Span section;
    if (CaseTableEqual(whole.begin, StringLength(mask), kScientificName, strlen(kScientificName))) {
        section = SpanOf(kScientificMask);                   // the sign stays in the digits
    } else {
        int sections = SectionCount(whole);
        int chosen = 1;
        if (value < 0) {
            chosen = sections >= 2 ? 2 : 1;
            value = -value;
            negative = true;
        } else if (!positive) {
            chosen = sections >= 3 ? 3 : 1;
        }
        section = Section(whole, chosen);
    }
    SectionFacts facts = ScanSection(section);
    if (facts.percent) value *= 100;
    DigitText digits;
    ConvertToDigits(value, facts, digits);
    // The sign shows only where the mask has a "+" or "-" for it: a negative
    // number under a one-section mask without one is written as its magnitude.
    return Formatter(section, facts, digits, negative, positive).Run();
}
