// Pieces of strings by byte position: length, Left, Right, Mid, and the
// first byte and one-byte strings (Asc, Chr). Positions are 1-based. A piece
// that is all of its string is that string with one more reference.
#include "stringroutines.h"

namespace {

// n clamped to [0, length] as a byte count.
uint32_t CountWithin(int n, uint32_t length) {
    if (n <= 0) return 0;
    return static_cast<uint32_t>(n) < length ? static_cast<uint32_t>(n) : length;
}

} // namespace

void MoveMidStartToFirst(int& start, int& n) {
    if (start >= 1) return;
    // Widened so that a far negative start cannot overflow.
    long long shortened = static_cast<long long>(n) - (1 - static_cast<long long>(start));
    n = shortened < 0 ? 0 : static_cast<int>(shortened);
    start = 1;
}

extern "C" int StringLen(StringObject* s) { return static_cast<int>(StringLength(s)); }

extern "C" StringObject* StringLeft(StringObject* s, int n) {
    return StringPart(s, 0, CountWithin(n, StringLength(s)));
}

extern "C" StringObject* StringRight(StringObject* s, int n) {
    uint32_t count = CountWithin(n, StringLength(s));
    return StringPart(s, StringLength(s) - count, count);
}

extern "C" StringObject* StringMid2(StringObject* s, int start) {
    uint32_t offset = start > 1 ? CountWithin(start - 1, StringLength(s)) : 0;
    return StringPart(s, offset, StringLength(s) - offset);
}

extern "C" StringObject* StringMid3(StringObject* s, int start, int n) {
    MoveMidStartToFirst(start, n);
    uint32_t offset = CountWithin(start - 1, StringLength(s));
    return StringPart(s, offset, CountWithin(n, StringLength(s) - offset));
}

extern "C" int StringAsc(StringObject* s) { return s ? StringBytes(s)[0] : 0; }

extern "C" StringObject* StringChr(int code) {
    uint8_t byte = static_cast<uint8_t>(code);
    return NewString(&byte, 1);
}
