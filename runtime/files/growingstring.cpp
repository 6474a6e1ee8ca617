// The growing string. Its block has the layout of every string's text block
// (a length byte, the bytes, a 0 byte); the string object made at the end
// records the block's real size, which is what freeing it needs.
#include "growingstring.h"
#include "core/string.h"
#include "core/utility.h"
#include <cstring>

namespace {

constexpr uint32_t kFirstCapacity = 2048;
constexpr uint8_t kLongLengthByte = 255;   // length byte of texts over 255 bytes

} // namespace

GrowingString::~GrowingString() {
    if (block_) RuntimeFree(block_, capacity_ + 2);
}

void GrowingString::Reserve(uint32_t capacity) {
    if (capacity <= capacity_) return;
    uint8_t* block = static_cast<uint8_t*>(RuntimeAlloc(capacity + 2));
    if (block_) {
        memcpy(block + 1, block_ + 1, length_);
        RuntimeFree(block_, capacity_ + 2);
    }
    block_ = block;
    capacity_ = capacity;
}

void GrowingString::Append(const uint8_t* bytes, uint32_t count) {
    if (count == 0) return;
    if (length_ + count > capacity_) {
        uint32_t wanted = capacity_ ? 2 * capacity_ : kFirstCapacity;
        Reserve(wanted > length_ + count ? wanted : length_ + count);
    }
    memcpy(block_ + 1 + length_, bytes, count);
    length_ += count;
}

StringObject* GrowingString::Finish() {
    if (length_ == 0) return nullptr;
    block_[0] = length_ > 255 ? kLongLengthByte : static_cast<uint8_t>(length_);
    block_[length_ + 1] = 0;
    StringObject* s = static_cast<StringObject*>(RuntimeAlloc(sizeof(StringObject)));
    *s = StringObject{1, block_, capacity_ + 2, length_};
    block_ = nullptr;
    capacity_ = length_ = 0;
    return s;
}
