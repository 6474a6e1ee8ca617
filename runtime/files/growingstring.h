// A string put together piece by piece in its own text block, for texts whose
// length is known only at the end (a line that spans blocks of a file). The
// block grows by doubling; the finished string keeps it, room and all, so
// the bytes are copied once into the string and never again.
#pragma once
#include <cstdint>

struct StringObject;

class GrowingString {
public:
    GrowingString() = default;
    GrowingString(const GrowingString&) = delete;
    GrowingString& operator=(const GrowingString&) = delete;
    ~GrowingString();

    void Reserve(uint32_t capacity);   // room for at least capacity bytes
    void Append(const uint8_t* bytes, uint32_t count);
    uint32_t length() const { return length_; }
    // The text as a new string (nil when empty); the builder is empty after.
    StringObject* Finish();

private:
    uint8_t* block_ = nullptr;         // length byte, capacity_ bytes, a 0 byte
    uint32_t capacity_ = 0;
    uint32_t length_ = 0;
};
