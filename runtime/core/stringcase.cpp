// Case changes for the user: upper case, lower case and title case, through
// the system's own conversions in its ANSI code page.
#include "stringroutines.h"
#include "codepage.h"
#include <windows.h>

namespace {

using Conversion = DWORD(WINAPI*)(LPSTR, DWORD);

StringObject* ConvertedCopy(StringObject* s, Conversion convert) {
    StringObject* copy = NewString(StringBytes(s), StringLength(s));
    if (copy) convert(reinterpret_cast<char*>(WritableBytes(copy)), copy->length);
    return copy;
}

void TitleCaseInPlace(uint8_t* bytes, uint32_t length) {
    bool wordStart = true;   // the first character starts a word
    for (uint32_t at = 0; at < length;) {
        if (IsLeadByte(bytes[at]) && at + 1 == length) break;   // a lead byte without a follower
        uint32_t size = CharacterSize(bytes + at, length - at);
        char* character = reinterpret_cast<char*>(bytes + at);
        uint16_t type = CharacterType(bytes + at, size);
        if (wordStart && !(type & C1_UPPER)) CharUpperBuffA(character, size);
        if (!wordStart && (type & C1_UPPER)) CharLowerBuffA(character, size);
        // Only white space starts a word: after punctuation the letters go on.
        wordStart = (type & (C1_SPACE | C1_BLANK)) != 0;
        at += size;
    }
}

} // namespace

extern "C" StringObject* StringUCase(StringObject* s) { return ConvertedCopy(s, CharUpperBuffA); }
extern "C" StringObject* StringLCase(StringObject* s) { return ConvertedCopy(s, CharLowerBuffA); }

extern "C" StringObject* StringTitleCase(StringObject* s) {
    StringObject* copy = NewString(StringBytes(s), StringLength(s));
    if (copy) TitleCaseInPlace(WritableBytes(copy), copy->length);
    return copy;
}
