// Compact integers and strings.
#include "compactcoding.h"
#include "files/bytestream.h"
#include "string.h"
#include "utility.h"

namespace {

constexpr uint8_t kMoreBytes = 0x80;
constexpr uint8_t kNegative = 0x40;
constexpr uint32_t kMostNegative = 0x80000000;

} // namespace

uint8_t ReadByte(ByteStream& stream) {
    uint8_t byte = 0;
    uint32_t got = 0;
    if (!stream.Read(&byte, 1, &got) || got != 1) return 0;
    return byte;
}

uint32_t ReadBigEndianWord(ByteStream& stream) {
    uint32_t word = 0;
    for (int i = 0; i < 4; i++) word = word << 8 | ReadByte(stream);
    return word;
}

int32_t ReadCompactInteger(ByteStream& stream) {
    uint8_t byte = ReadByte(stream);
    bool negative = byte & kNegative;
    uint32_t magnitude = byte & 0x3F;
    // Bits beyond the 32nd have nowhere to go and are dropped.
    for (uint32_t shift = 6; byte & kMoreBytes; shift += 7) {
        byte = ReadByte(stream);
        if (shift < 32) magnitude |= static_cast<uint32_t>(byte & 0x7F) << shift;
    }
    if (negative && magnitude != kMostNegative) magnitude = 0u - magnitude;
    return static_cast<int32_t>(magnitude);
}

StringObject* ReadCompactString(ByteStream& stream) {
    int32_t length = ReadCompactInteger(stream);
    if (length <= 0) return nullptr;
    // A length beyond what the stream holds takes what there is.
    uint32_t left = stream.Length() - stream.Position();
    if (stream.Position() > stream.Length()) left = 0;
    uint32_t wanted = static_cast<uint32_t>(length) < left ? static_cast<uint32_t>(length) : left;
    if (wanted == 0) return nullptr;
    char* bytes = static_cast<char*>(RuntimeAlloc(wanted));
    uint32_t got = 0;
    stream.Read(bytes, wanted, &got);
    StringObject* text = NewString(bytes, got);
    RuntimeFree(bytes, wanted);
    return text;
}
