// The code page's character tables, built once from the system's own answers
// (IsDBCSLeadByte, CharUpperBuffA, CharLowerBuffA, GetStringTypeExA and
// CompareStringA for the user's default locale), so that the hot string
// routines look bytes up instead of calling the system for each one.
#include "codepage.h"
#include <windows.h>
#include <algorithm>

namespace {

struct CodePageTables {
    bool built;
    bool dbcs;
    bool lead[256];
    uint8_t upper[256];
    uint8_t lower[256];
    bool whiteSpace[256];
    bool caseless[256];
    int collationRank[256];
};

CodePageTables tables;

void BuildCaseTables() {
    for (int byte = 0; byte < 256; byte++) {
        char upper = static_cast<char>(byte), lower = static_cast<char>(byte);
        CharUpperBuffA(&upper, 1);
        CharLowerBuffA(&lower, 1);
        tables.upper[byte] = static_cast<uint8_t>(upper);
        tables.lower[byte] = static_cast<uint8_t>(lower);
    }
    int sharing[256] = {};   // how many bytes have each upper-case form
    for (int byte = 0; byte < 256; byte++) sharing[tables.upper[byte]]++;
    for (int byte = 0; byte < 256; byte++) tables.caseless[byte] = sharing[tables.upper[byte]] == 1;
}

void BuildWhiteSpaceTable() {
    for (int byte = 0; byte < 256; byte++) {
        uint8_t text = static_cast<uint8_t>(byte);
        tables.whiteSpace[byte] = (CharacterType(&text, 1) & (C1_SPACE | C1_BLANK)) != 0;
    }
}

int CompareBytes(uint8_t a, uint8_t b) {
    int result = CompareStringA(LOCALE_USER_DEFAULT, 0, reinterpret_cast<const char*>(&a), 1,
                                reinterpret_cast<const char*>(&b), 1);
    return result == 0 ? 0 : result - CSTR_EQUAL;
}

void BuildCollationRanks() {
    uint8_t order[256];
    for (int byte = 0; byte < 256; byte++) order[byte] = static_cast<uint8_t>(byte);
    std::stable_sort(order, order + 256,
                     [](uint8_t a, uint8_t b) { return CompareBytes(a, b) < 0; });
    int rank = 0;
    for (int i = 0; i < 256; i++) {
        if (i > 0 && CompareBytes(order[i - 1], order[i]) != 0) rank = i;
        tables.collationRank[order[i]] = rank;
    }
}

const CodePageTables& Tables() {
    if (tables.built) return tables;
    for (int byte = 0; byte < 256; byte++) {
        tables.lead[byte] = IsDBCSLeadByte(static_cast<BYTE>(byte)) != 0;
        tables.dbcs = tables.dbcs || tables.lead[byte];
    }
    if (!tables.dbcs) {
        BuildCaseTables();
        BuildWhiteSpaceTable();
        BuildCollationRanks();
    }
    tables.built = true;
    return tables;
}

} // namespace

bool InDbcsMode() { return Tables().dbcs; }
bool IsLeadByte(uint8_t byte) { return Tables().lead[byte]; }
uint8_t CodePageUpper(uint8_t byte) { return Tables().upper[byte]; }
uint8_t CodePageLower(uint8_t byte) { return Tables().lower[byte]; }
bool IsCodePageWhiteSpace(uint8_t byte) { return Tables().whiteSpace[byte]; }
bool IsCaseless(uint8_t byte) { return Tables().caseless[byte]; }
int CodePageCollationRank(uint8_t byte) { return Tables().collationRank[byte]; }

uint16_t CharacterType(const uint8_t* text, uint32_t size) {
    WORD types[2] = {0, 0};   // one per byte at most
    if (!GetStringTypeExA(LOCALE_USER_DEFAULT, CT_CTYPE1, reinterpret_cast<const char*>(text),
                          static_cast<int>(size), types))
        return 0;
    return types[0];
}
