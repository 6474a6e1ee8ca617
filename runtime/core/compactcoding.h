// The encodings of the image's project data (settings block, menu bar, file
// types), read from a byte stream. Past the end of the stream every byte
// reads as 0, so a cut-off item ends in zeros and empty strings.
#pragma once
#include <cstdint>

class ByteStream;
struct StringObject;

uint8_t ReadByte(ByteStream& stream);
uint32_t ReadBigEndianWord(ByteStream& stream);

// A compact integer: the first byte holds a continuation bit (7), the sign
// (6) and the low six bits of the magnitude; each further byte a
// continuation bit and the next seven bits. Negated when the sign is set,
// except for the magnitude 0x80000000, which stands as it is.
int32_t ReadCompactInteger(ByteStream& stream);

// A compact string: a compact length, then that many bytes; a length of 0
// or below is the empty string. A new string.
StringObject* ReadCompactString(ByteStream& stream);
