// String objects and their reference counts.
#include "string.h"
#include "failedassertion.h"
#include "utility.h"
#include <cstring>

namespace {

constexpr uint8_t kLongLengthByte = 255;   // length byte of texts over 255 bytes

// The text of the empty string, as a NUL-terminated and as a length-prefixed
// text: a zero length byte followed by a 0 byte.
const uint8_t kEmptyText[2] = {0, 0};

} // namespace

StringObject* NewBlankString(uint32_t length) {
    if (length == 0) return nullptr;
    uint8_t* block = static_cast<uint8_t*>(RuntimeAlloc(length + 2, true));
    if (!block) return nullptr;
    StringObject* s = static_cast<StringObject*>(RuntimeAlloc(sizeof(StringObject)));
    block[0] = length > 255 ? kLongLengthByte : static_cast<uint8_t>(length);
    block[length + 1] = 0;
    *s = StringObject{1, block, length + 2, length};
    return s;
}

StringObject* NewString(const void* bytes, uint32_t length) {
    StringObject* s = NewBlankString(length);
    if (s) memcpy(WritableBytes(s), bytes, length);
    return s;
}

StringObject* NewStringFromText(const char* text) {
    return NewString(text, static_cast<uint32_t>(strlen(text)));
}

StringObject* StringPart(StringObject* s, uint32_t offset, uint32_t length) {
    if (offset == 0 && length == StringLength(s)) return LockedString(s);
    return NewString(StringBytes(s) + offset, length);
}

StringObject* LockedString(StringObject* s) {
    RuntimeLockString(s);
    return s;
}

const char* StringText(const StringObject* s) {
    return s ? reinterpret_cast<const char*>(s->block + 1)
             : reinterpret_cast<const char*>(kEmptyText + 1);
}

extern "C" void RuntimeLockString(StringObject* s) {
    if (!s) return;
    if (s->refs == 0) FailedAssertion(0, 4, "string", 25);
    s->refs++;
}

// Compiled code calls the unlock routine without saving its accumulator, so
// the entry point below preserves eax around the real work.
extern "C" void UnlockStringKeepingNothing(StringObject* s) {
    if (!s) return;
    if (s->refs == 0) FailedAssertion(0, 4, "string", 35);
    if (--s->refs != 0) return;
    RuntimeFree(s->block, s->blockSize);
    RuntimeFree(s, sizeof(StringObject));
}

asm(".text\n"
    ".globl _RuntimeUnlockString\n"
    "_RuntimeUnlockString:\n"
    "    pushl %eax\n"
    "    pushl 8(%esp)\n"
    "    call _UnlockStringKeepingNothing\n"
    "    addl $4, %esp\n"
    "    popl %eax\n"
    "    ret\n");

// Concatenation copies both texts: the result shares nothing with its parts.
extern "C" StringObject* RuntimeAddString(StringObject* a, StringObject* b) {
    if (!b) return LockedString(a);
    if (!a) return LockedString(b);
    StringObject* s = NewBlankString(a->length + b->length);
    if (!s) return nullptr;
    memcpy(WritableBytes(s), StringBytes(a), a->length);
    memcpy(WritableBytes(s) + a->length, StringBytes(b), b->length);
    return s;
}

extern "C" const char* StringToCString(StringObject* s) { return StringText(s); }
extern "C" const char* StringGetCString(StringObject* s) { return StringText(s); }

extern "C" const uint8_t* StringToPString(StringObject* s) { return s ? s->block : kEmptyText; }
extern "C" const uint8_t* StringGetPString(StringObject* s) { return StringToPString(s); }
