#include "number_text.h"

using tessel21::Join;
using tessel21::Str;

extern "C" StringObject* DecimalSeparatorText() {
    Str sample(StringFormat(0.5, TS("0.0")));   // "0", the separator, "5"
    Str separator(StringDBCSMid3(sample, 2, StringDBCSLen(sample) - 2));
    if (RuntimeStringCompare(separator, TS(".")) == 0) return nullptr;
    return separator.Release();
}

// The masks have no thousands separator, so the decimal separator is the
// only one in the text.
extern "C" StringObject* FormatWithPoint(double value, StringObject* mask, StringObject* separator) {
    Str text(StringFormat(value, mask));
    int at = separator ? StringDBCSInStr(1, text, separator) : 0;
    if (at == 0) return text.Release();
    Str before(StringDBCSLeft(text, at - 1));
    Str after(StringDBCSMid2(text, at + StringDBCSLen(separator)));
    return Join(before, TS("."), after).Release();
}
