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

// A new string of the given length whose bytes the caller fills in through
// WritableBytes (nullptr when length is 0, or when its text block cannot be
// allocated).
StringObject* NewBlankString(uint32_t length);

// The bytes [offset, offset + length) of s as a new reference: s itself with
// one more reference when that is all of s, the empty string when length is
// 0. The range must lie within s.
StringObject* StringPart(StringObject* s, uint32_t offset, uint32_t length);

// s itself with one more reference, for results that are an argument.
StringObject* LockedString(StringObject* s);

// The NUL-terminated text of a string; "" for the empty string.
const char* StringText(const StringObject* s);
inline uint32_t StringLength(const StringObject* s) { return s ? s->length : 0; }
inline const uint8_t* StringBytes(const StringObject* s) {
    return reinterpret_cast<const uint8_t*>(StringText(s));
}
// The bytes of a string just made by NewBlankString, before anyone shares it.
inline uint8_t* WritableBytes(StringObject* s) { return s->block + 1; }

extern "C" void RuntimeLockString(StringObject* s);
extern "C" void RuntimeUnlockString(StringObject* s);
extern "C" StringObject* RuntimeAddString(StringObject* a, StringObject* b);

// The text of s for code that wants it NUL-terminated or length-prefixed;
// valid while the caller holds s.
extern "C" const char* StringToCString(StringObject* s);
extern "C" const char* StringGetCString(StringObject* s);
extern "C" const uint8_t* StringToPString(StringObject* s);
extern "C" const uint8_t* StringGetPString(StringObject* s);

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
