// Replacing text and splitting strings into fields at a separator. All of
// them find text as StringInStr does, ignoring case.
#include "stringroutines.h"
#include "stringsearch.h"
#include <cstring>

namespace {

// Results longer than this cannot be allocated; they end as the empty string
// just as a result whose text block cannot be had.
constexpr uint64_t kLongestResult = 0x7FFFFFF0;

int CountOccurrences(const CaselessSearch& search, uint32_t findLength) {
    int count = 0;
    for (int at = search.Find(0); at != kNotFound; at = search.Find(at + findLength)) count++;
    return count;
}

// s with count occurrences of find (from the first on) replaced.
StringObject* Replaced(StringObject* s, const CaselessSearch& search, uint32_t findLength,
                       StringObject* replacement, int count) {
    uint32_t replacementLength = StringLength(replacement);
    uint64_t length = StringLength(s) + static_cast<uint64_t>(count) * replacementLength -
                      static_cast<uint64_t>(count) * findLength;
    if (length > kLongestResult) return nullptr;
    StringObject* result = NewBlankString(static_cast<uint32_t>(length));
    if (!result) return nullptr;
    const uint8_t* from = StringBytes(s);
    uint8_t* to = WritableBytes(result);
    uint32_t copied = 0;   // bytes of s dealt with so far
    for (int i = 0; i < count; i++) {
        uint32_t at = static_cast<uint32_t>(search.Find(copied));
        memcpy(to, from + copied, at - copied);
        to += at - copied;
        memcpy(to, StringBytes(replacement), replacementLength);
        to += replacementLength;
        copied = at + findLength;
    }
    memcpy(to, from + copied, StringLength(s) - copied);
    return result;
}

} // namespace

extern "C" StringObject* StringReplace(StringObject* s, StringObject* find,
                                       StringObject* replacement) {
    if (!s || !find) return LockedString(s);
    CaselessSearch search(s, find);
    if (search.Find(0) == kNotFound) return LockedString(s);
    return Replaced(s, search, find->length, replacement, 1);
}

extern "C" StringObject* StringReplaceAll(StringObject* s, StringObject* find,
                                          StringObject* replacement) {
    if (!s || !find) return LockedString(s);
    CaselessSearch search(s, find);
    int count = CountOccurrences(search, find->length);
    if (count == 0) return LockedString(s);
    return Replaced(s, search, find->length, replacement, count);
}

extern "C" int StringCountFields(StringObject* s, StringObject* separator) {
    if (!s) return 0;
    if (!separator) return 1;
    return 1 + CountOccurrences(CaselessSearch(s, separator), separator->length);
}

extern "C" StringObject* StringNthField(StringObject* s, StringObject* separator, int n) {
    if (!s || !separator || n <= 0) return nullptr;
    CaselessSearch search(s, separator);
    uint32_t fieldStart = 0;
    for (int field = 1; field < n; field++) {
        int at = search.Find(fieldStart);
        if (at == kNotFound) return nullptr;
        fieldStart = static_cast<uint32_t>(at) + separator->length;
    }
    int end = search.Find(fieldStart);
    uint32_t fieldEnd = end == kNotFound ? StringLength(s) : static_cast<uint32_t>(end);
    return StringPart(s, fieldStart, fieldEnd - fieldStart);
}
