// The DBCS variants of the string routines: they count characters, not
// bytes, where the code page has two-byte characters, and are the byte
// routines themselves otherwise. Each turns character positions into byte
// positions and lets its byte routine do the rest.
#include "stringroutines.h"
#include "codepage.h"


namespace {

// The byte offset reached by walking count characters of s from offset from;
// the length of s when the characters run out first.
uint32_t OffsetAfterCharacters(const StringObject* s, uint32_t from, int count) {
    const uint8_t* bytes = StringBytes(s);
    uint32_t length = StringLength(s), at = from;
    for (int i = 0; i < count && at < length; i++) at += CharacterSize(bytes + at, length - at);
    return at;
}

int CharactersBefore(const StringObject* s, uint32_t offset) {
    const uint8_t* bytes = StringBytes(s);
    int count = 0;
    for (uint32_t at = 0; at < offset; count++) at += CharacterSize(bytes + at, offset - at);
    return count;
}

int CharacterCount(const StringObject* s) { return CharactersBefore(s, StringLength(s)); }

// The 1-based byte position of character position start (below 1 as 1).
int BytePosition(const StringObject* s, int start) {
    return static_cast<int>(OffsetAfterCharacters(s, 0, start - 1)) + 1;
}

} // namespace

extern "C" int StringDBCSLen(StringObject* s) {
    if (!InDbcsMode()) return StringLen(s);
    return CharacterCount(s);
}

extern "C" StringObject* StringDBCSLeft(StringObject* s, int n) {
    if (!InDbcsMode()) return StringLeft(s, n);
    return StringLeft(s, static_cast<int>(OffsetAfterCharacters(s, 0, n)));
}

extern "C" StringObject* StringDBCSRight(StringObject* s, int n) {
    if (!InDbcsMode()) return StringRight(s, n);
    int count = CharacterCount(s);
    if (n >= count) return LockedString(s);
    if (n <= 0) return nullptr;
    return StringMid2(s, BytePosition(s, count - n + 1));
}

extern "C" StringObject* StringDBCSMid2(StringObject* s, int start) {
    if (!InDbcsMode()) return StringMid2(s, start);
    return StringMid2(s, BytePosition(s, start));
}

extern "C" StringObject* StringDBCSMid3(StringObject* s, int start, int n) {
    if (!InDbcsMode()) return StringMid3(s, start, n);
    MoveMidStartToFirst(start, n);
    if (n <= 0) return nullptr;
    uint32_t first = OffsetAfterCharacters(s, 0, start - 1);
    uint32_t end = OffsetAfterCharacters(s, first, n);
    return StringMid3(s, static_cast<int>(first) + 1, static_cast<int>(end - first));
}

extern "C" int StringDBCSInStr(int start, StringObject* s, StringObject* pattern) {
    if (!InDbcsMode()) return StringInStr(start, s, pattern);
    if (!s) return 0;
    if (!pattern) return start;
    int found = StringInStr(BytePosition(s, start), s, pattern);
    return found == 0 ? 0 : CharactersBefore(s, static_cast<uint32_t>(found - 1)) + 1;
}

extern "C" int StringDBCSAsc(StringObject* s) {
    if (!InDbcsMode() || StringLength(s) < 2 || !IsLeadByte(StringBytes(s)[0]))
        return StringAsc(s);
    return StringBytes(s)[0] * 256 + StringBytes(s)[1];
}

extern "C" StringObject* StringDBCSChr(int code) {
    if (!InDbcsMode() || code < 256) return StringChr(code);
    uint8_t bytes[2] = {static_cast<uint8_t>(code >> 8), static_cast<uint8_t>(code)};
    return NewString(bytes, 2);
}
