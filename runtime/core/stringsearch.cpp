// Pattern search, exact and ignoring case, and the InStr entry points.
#include "stringsearch.h"
#include "stringroutines.h"
#include "codepage.h"
#include "utility.h"
#include <windows.h>
#include <cstring>

namespace {

// Boyer-Moore pays for its tables only on long patterns in long texts.
constexpr uint32_t kBoyerMooreMinPattern = 5;
constexpr uint32_t kBoyerMooreMinCandidates = 81;

int FindSimply(const uint8_t* text, uint32_t length, uint32_t from,
               const uint8_t* pattern, uint32_t patternLength) {
    const uint8_t* last = text + length - patternLength;
    for (const uint8_t* at = text + from; at <= last; at++) {
        at = static_cast<const uint8_t*>(memchr(at, pattern[0], last - at + 1));
        if (!at) break;
        if (memcmp(at + 1, pattern + 1, patternLength - 1) == 0) return static_cast<int>(at - text);
    }
    return kNotFound;
}

// suffix[i]: the length of the longest suffix of the pattern that ends at i.
void FillSuffixes(const uint8_t* pattern, int m, int* suffix) {
    suffix[m - 1] = m;
    int g = m - 1, f = 0;
    for (int i = m - 2; i >= 0; i--) {
        if (i > g && suffix[i + m - 1 - f] < i - g) {
            suffix[i] = suffix[i + m - 1 - f];
            continue;
        }
        if (i < g) g = i;
        f = i;
        while (g >= 0 && pattern[g] == pattern[g + m - 1 - f]) g--;
        suffix[i] = f - g;
    }
}

// goodSuffix[i]: the shift after a mismatch at pattern position i, from the
// part of the pattern already matched to the right of it.
void FillGoodSuffixShifts(const uint8_t* pattern, int m, int* goodSuffix, int* suffix) {
    FillSuffixes(pattern, m, suffix);
    for (int i = 0; i < m; i++) goodSuffix[i] = m;
    for (int i = m - 1, j = 0; i >= 0; i--) {
        if (suffix[i] != i + 1) continue;
        for (; j < m - 1 - i; j++)
            if (goodSuffix[j] == m) goodSuffix[j] = m - 1 - i;
    }
    for (int i = 0; i <= m - 2; i++) goodSuffix[m - 1 - suffix[i]] = m - 1 - i;
}

int FindBoyerMoore(const uint8_t* text, uint32_t length, uint32_t from,
                   const uint8_t* pattern, uint32_t patternLength) {
    int m = static_cast<int>(patternLength);
    int* tables = static_cast<int*>(RuntimeAlloc(2 * sizeof(int) * patternLength, true));
    if (!tables) return FindSimply(text, length, from, pattern, patternLength);
    int* goodSuffix = tables;
    FillGoodSuffixShifts(pattern, m, goodSuffix, tables + m);
    int badCharacter[256];   // distance from a byte's last place to the pattern's end
    for (int& shift : badCharacter) shift = m;
    for (int i = 0; i < m - 1; i++) badCharacter[pattern[i]] = m - 1 - i;

    int found = kNotFound;
    for (uint32_t at = from; at <= length - patternLength;) {
        int i = m - 1;
        while (i >= 0 && pattern[i] == text[at + i]) i--;
        if (i < 0) {
            found = static_cast<int>(at);
            break;
        }
        int byBadCharacter = badCharacter[text[at + i]] - m + 1 + i;
        at += goodSuffix[i] > byBadCharacter ? goodSuffix[i] : byBadCharacter;
    }
    RuntimeFree(tables, 2 * sizeof(int) * patternLength);
    return found;
}

uint8_t* UpperCaseCopy(const uint8_t* bytes, uint32_t length) {
    uint8_t* copy = static_cast<uint8_t*>(RuntimeAlloc(length));
    memcpy(copy, bytes, length);
    CharUpperBuffA(reinterpret_cast<char*>(copy), length);
    return copy;
}

bool IsCaselessText(const uint8_t* bytes, uint32_t length) {
    for (uint32_t i = 0; i < length; i++)
        if (!IsCaseless(bytes[i])) return false;
    return true;
}

} // namespace

int FindExactly(const uint8_t* text, uint32_t length, uint32_t from,
                const uint8_t* pattern, uint32_t patternLength) {
    if (!Fits(length, from, patternLength)) return kNotFound;
    uint32_t candidates = length - from - patternLength + 1;
    if (patternLength >= kBoyerMooreMinPattern && candidates >= kBoyerMooreMinCandidates)
        return FindBoyerMoore(text, length, from, pattern, patternLength);
    return FindSimply(text, length, from, pattern, patternLength);
}

CaselessSearch::CaselessSearch(const StringObject* text, const StringObject* pattern)
    : text_(StringBytes(text)), length_(StringLength(text)),
      pattern_(StringBytes(pattern)), patternLength_(StringLength(pattern)) {
    if (InDbcsMode()) {
        method_ = Method::kUpperCopies;
        text_ = UpperCaseCopy(text_, length_);
        pattern_ = UpperCaseCopy(pattern_, patternLength_);
    } else {
        method_ = IsCaselessText(pattern_, patternLength_) ? Method::kExact : Method::kUpperTable;
    }
}

CaselessSearch::~CaselessSearch() {
    if (method_ != Method::kUpperCopies) return;
    RuntimeFree(const_cast<uint8_t*>(text_), length_);
    RuntimeFree(const_cast<uint8_t*>(pattern_), patternLength_);
}

int CaselessSearch::Find(uint32_t from) const {
    if (!Fits(length_, from, patternLength_)) return kNotFound;
    switch (method_) {
    case Method::kExact: return FindExactly(text_, length_, from, pattern_, patternLength_);
    case Method::kUpperTable: return FindThroughTable(from);
    case Method::kUpperCopies: return FindInCopies(from);
    }
    return kNotFound;
}

int CaselessSearch::FindThroughTable(uint32_t from) const {
    uint8_t first = CodePageUpper(pattern_[0]);
    for (uint32_t at = from; at <= length_ - patternLength_; at++) {
        if (CodePageUpper(text_[at]) != first) continue;
        uint32_t i = 1;
        while (i < patternLength_ && CodePageUpper(text_[at + i]) == CodePageUpper(pattern_[i])) i++;
        if (i == patternLength_) return static_cast<int>(at);
    }
    return kNotFound;
}

// Candidates step a whole character at a time, so that a match never starts
// on the second byte of a character.
int CaselessSearch::FindInCopies(uint32_t from) const {
    for (uint32_t at = from; at <= length_ - patternLength_;
         at += CharacterSize(text_ + at, length_ - at)) {
        if (memcmp(text_ + at, pattern_, patternLength_) == 0) return static_cast<int>(at);
    }
    return kNotFound;
}

namespace {

uint32_t OffsetOfPosition(int start) { return start > 1 ? static_cast<uint32_t>(start - 1) : 0; }
int PositionOfOffset(int offset) { return offset == kNotFound ? 0 : offset + 1; }

} // namespace

// Both InStr routines give 0 for an empty text and start itself, unchanged,
// for an empty pattern.
extern "C" int StringInStr(int start, StringObject* s, StringObject* pattern) {
    if (!s) return 0;
    if (!pattern) return start;
    return PositionOfOffset(CaselessSearch(s, pattern).Find(OffsetOfPosition(start)));
}

extern "C" int StringInStrB(int start, StringObject* s, StringObject* pattern) {
    if (!s) return 0;
    if (!pattern) return start;
    return PositionOfOffset(FindExactly(StringBytes(s), StringLength(s), OffsetOfPosition(start),
                                        StringBytes(pattern), StringLength(pattern)));
}
