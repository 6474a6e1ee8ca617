// The encodings of the image's project data, and what an item becomes: a
// labelled block of 32-bit words followed by bytes, placed in data1.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// A compact integer: the first byte holds a continuation bit (7), the sign
// (6) and the low six bits of the magnitude, each further byte a
// continuation bit and the next seven bits. The most negative value is
// written as the magnitude 0x80000000, which readers take as it stands.
void AppendCompactInteger(Bytes& out, int32_t value);
// A compact string: its compact length, then its bytes.
void AppendCompactString(Bytes& out, const std::string& text);
void AppendWord(Bytes& out, uint32_t word);   // little-endian

// An encoded item: data1 bytes under a global label.
struct DataItem {
    std::string label;
    Bytes bytes;
};

// The assembly text that places the items in the data section, each one
// word-aligned under its label (with the leading underscore of i686 C
// symbols, so that C++ code declares it as extern "C" const unsigned char
// label[]).
std::string AssemblyFor(const std::vector<DataItem>& items);
