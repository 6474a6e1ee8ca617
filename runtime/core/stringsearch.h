// Searching a string for a pattern, exactly or ignoring case. The searches
// work on byte offsets (0-based); the entry points turn them into 1-based
// positions.
#pragma once
#include "string.h"

constexpr int kNotFound = -1;

// The offset of the first exact occurrence of pattern at or after from, or
// kNotFound. Long patterns with many candidate positions are searched with
// Boyer-Moore.
int FindExactly(const uint8_t* text, uint32_t length, uint32_t from,
                const uint8_t* pattern, uint32_t patternLength);

// A search of one text for one pattern ignoring case, prepared once for any
// number of Find calls: in DBCS mode it holds upper-case copies of both, in
// single-byte mode it compares through the code page's upper-case table (or
// exactly, when no byte of the pattern has another case form).
class CaselessSearch {
public:
    CaselessSearch(const StringObject* text, const StringObject* pattern);
    ~CaselessSearch();
    CaselessSearch(const CaselessSearch&) = delete;
    CaselessSearch& operator=(const CaselessSearch&) = delete;

    // The offset of the first occurrence at or after from, or kNotFound.
    int Find(uint32_t from) const;

private:
    enum class Method { kExact, kUpperTable, kUpperCopies };
    int FindThroughTable(uint32_t from) const;
    int FindInCopies(uint32_t from) const;

    const uint8_t* text_;
    uint32_t length_;
    const uint8_t* pattern_;
    uint32_t patternLength_;
    Method method_;
};

// True when the pattern fits into text from offset from on.
inline bool Fits(uint32_t length, uint32_t from, uint32_t patternLength) {
    return from < length && patternLength <= length - from;
}
