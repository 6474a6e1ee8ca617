// Trimming white space off either end of a string. A string with nothing to
// trim is returned itself; one of white space only becomes the empty string.
#include "stringroutines.h"
#include "codepage.h"
#include <windows.h>

namespace {

bool IsWhiteSpace(const uint8_t* character, uint32_t size) {
    if (!InDbcsMode()) return IsCodePageWhiteSpace(character[0]);
    return (CharacterType(character, size) & C1_SPACE) != 0;
}

// The offset of the first character at or after from that is not white space.
uint32_t SkipWhiteSpace(const uint8_t* bytes, uint32_t length, uint32_t from) {
    uint32_t at = from;
    while (at < length) {
        uint32_t size = CharacterSize(bytes + at, length - at);
        if (!IsWhiteSpace(bytes + at, size)) break;
        at += size;
    }
    return at;
}

// The offset just after the last character at or after from that is not
// white space (from itself when there is none). The walk goes forward, since
// in DBCS mode a character's first byte is known only from the start.
uint32_t EndBeforeWhiteSpace(const uint8_t* bytes, uint32_t length, uint32_t from) {
    uint32_t end = from;
    for (uint32_t at = from; at < length;) {
        uint32_t size = CharacterSize(bytes + at, length - at);
        at += size;
        if (!IsWhiteSpace(bytes + at - size, size)) end = at;
    }
    return end;
}

StringObject* Trimmed(StringObject* s, bool leading, bool trailing) {
    const uint8_t* bytes = StringBytes(s);
    uint32_t length = StringLength(s);
    uint32_t start = leading ? SkipWhiteSpace(bytes, length, 0) : 0;
    uint32_t end = trailing ? EndBeforeWhiteSpace(bytes, length, start) : length;
    return StringPart(s, start, end - start);
}

} // namespace

extern "C" StringObject* runTrim(StringObject* s) { return Trimmed(s, true, true); }
extern "C" StringObject* runLTrim(StringObject* s) { return Trimmed(s, true, false); }
extern "C" StringObject* runRTrim(StringObject* s) { return Trimmed(s, false, true); }
