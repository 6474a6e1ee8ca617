// String objects: immutable, reference-counted 8-bit texts. The empty string
// is the null pointer everywhere; no string object of length 0 exists.
#pragma once
#include <cstdint>

struct StringObject {
    int32_t refs;            // reference count
    uint8_t* block;          // text block: length byte, the bytes, a 0 byte
    uint32_t blockSize;      // length + 2 for strings made at run time
    uint32_t length;         // length in bytes
};
static_assert(sizeof(StringObject) == 16, "string objects are four words");

// A new string holding a copy of the bytes (nullptr when length is 0, or
// when its text block cannot be allocated).
StringObject* NewString(const void* bytes, uint32_t length);
StringObject* NewStringFromText(const char* text);

// The NUL-terminated text of a string; "" for the empty string.
const char* StringText(const StringObject* s);
inline uint32_t StringLength(const StringObject* s) { return s ? s->length : 0; }

extern "C" void RuntimeLockString(StringObject* s);
extern "C" void RuntimeUnlockString(StringObject* s);
extern "C" StringObject* RuntimeAddString(StringObject* a, StringObject* b);

// Holds one reference to a string for the span of a scope.
class StringRef {
public:
    explicit StringRef(StringObject* adopted = nullptr) : s_(adopted) {}
    StringRef(const StringRef&) = delete;
    StringRef& operator=(const StringRef&) = delete;
    ~StringRef() { RuntimeUnlockString(s_); }
    StringObject* get() const { return s_; }
    StringObject* release() { StringObject* s = s_; s_ = nullptr; return s; }
private:
    StringObject* s_;
};
