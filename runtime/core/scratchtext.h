// A text being put together: on the stack while it is short, moved to the
// allocator when it grows past that. Number texts are almost always short, so
// making one costs no allocation until it becomes a string.
#pragma once
#include "string.h"
#include "utility.h"
#include <cstring>

template <uint32_t kInlineSize>
class ScratchText {
public:
    ScratchText() = default;
    ScratchText(const ScratchText&) = delete;
    ScratchText& operator=(const ScratchText&) = delete;
    ~ScratchText() {
        if (bytes_ != inline_) RuntimeFree(bytes_, capacity_);
    }

    // Makes room for at least capacity bytes; what is there is kept.
    void Reserve(uint32_t capacity) {
        if (capacity <= capacity_) return;
        if (capacity < 2 * capacity_) capacity = 2 * capacity_;
        char* bytes = static_cast<char*>(RuntimeAlloc(capacity));
        memcpy(bytes, bytes_, length_);
        if (bytes_ != inline_) RuntimeFree(bytes_, capacity_);
        bytes_ = bytes;
        capacity_ = capacity;
    }

    void Append(const void* bytes, uint32_t length) {
        Reserve(length_ + length);
        memcpy(bytes_ + length_, bytes, length);
        length_ += length;
    }
    void Append(char byte) { Append(&byte, 1); }

    char* data() { return bytes_; }
    const char* data() const { return bytes_; }
    uint32_t capacity() const { return capacity_; }
    uint32_t length() const { return length_; }
    void SetLength(uint32_t length) { length_ = length; }

    // A new string of the text: one object and one text block.
    StringObject* ToString() const { return NewString(bytes_, length_); }

private:
    char inline_[kInlineSize];
    char* bytes_ = inline_;
    uint32_t capacity_ = kInlineSize;
    uint32_t length_ = 0;
};
