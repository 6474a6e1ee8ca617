// The memory byte stream. Reading past the end gives what is left; a
// position past the end is allowed and reads nothing.
#include "memorystream.h"
#include <cstring>

MemoryStream::MemoryStream(const void* bytes, uint32_t length)
    : bytes_(static_cast<const uint8_t*>(bytes)), length_(bytes ? length : 0) {}

bool MemoryStream::Read(void* buffer, uint32_t count, uint32_t* got) {
    *got = 0;
    uint32_t left = position_ < length_ ? length_ - position_ : 0;
    uint32_t taken = count < left ? count : left;
    if (taken) memcpy(buffer, bytes_ + position_, taken);
    position_ += taken;
    *got = taken;
    return true;
}

bool MemoryStream::Write(const void*, uint32_t) { return false; }

void MemoryStream::Close() {}

bool MemoryStream::AtEOF() { return position_ >= length_; }

bool MemoryStream::SetPosition(uint32_t position) {
    position_ = position;
    return true;
}

uint32_t MemoryStream::Length() { return length_; }

bool MemoryStream::SetLength(uint32_t) { return false; }

uint32_t MemoryStream::Position() { return position_; }
