// The character tables of the system's ANSI code page, as the user-level
// string functions see it. They are built on first use and kept for the run.
//
// A code page with any lead byte puts the runtime in DBCS mode: a character
// is then one byte, or a lead byte with the byte after it, and case and
// character types are asked of the system per character. Otherwise every
// byte is a character and the case, white-space and collation tables below
// answer without calling the system.
#pragma once
#include <cstdint>

bool InDbcsMode();
bool IsLeadByte(uint8_t byte);

// Single-byte mode only: the byte's forms through CharUpperBuffA and
// CharLowerBuffA, whether its character type has the space or blank flag,
// and its place among all 256 bytes in the user's locale order (bytes that
// compare equal share a rank).
uint8_t CodePageUpper(uint8_t byte);
uint8_t CodePageLower(uint8_t byte);
bool IsCodePageWhiteSpace(uint8_t byte);
// True when no other byte has the same upper-case form, so that a search
// ignoring case may compare the byte exactly.
bool IsCaseless(uint8_t byte);
int CodePageCollationRank(uint8_t byte);

// The CT_CTYPE1 type of the character of size bytes at text (user default
// locale); 0 when the system cannot tell.
uint16_t CharacterType(const uint8_t* text, uint32_t size);

// The size in bytes of the character that starts at text, where remaining
// bytes are left: 2 for a lead byte with a byte after it in DBCS mode,
// else 1.
inline uint32_t CharacterSize(const uint8_t* text, uint32_t remaining) {
    return remaining >= 2 && IsLeadByte(text[0]) ? 2 : 1;
}
