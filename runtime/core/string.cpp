// String objects and their reference counts.
#include "string.h"
#include "failedassertion.h"
#include "utility.h"
#include <cstring>

namespace {

constexpr uint8_t kLongLengthByte = 255;   // length byte of texts over 255 bytes

// A new string of the given non-zero length whose text the caller fills in;
// nullptr when the text block cannot be had.
StringObject* AllocateString(uint32_t length) {
    uint8_t* block = static_cast<uint8_t*>(RuntimeAlloc(length + 2, true));
    if (!block) return nullptr;
    StringObject* s = static_cast<StringObject*>(RuntimeAlloc(sizeof(StringObject)));
    block[0] = length > 255 ? kLongLengthByte : static_cast<uint8_t>(length);
    block[length + 1] = 0;
    *s = StringObject{1, block, length + 2, length};
    return s;
}

uint8_t* TextOf(StringObject* s) { return s->block + 1; }

} // namespace

StringObject* NewString(const void* bytes, uint32_t length) {
    if (length == 0) return nullptr;
    StringObject* s = AllocateString(length);
    if (s) memcpy(TextOf(s), bytes, length);
    return s;
}

StringObject* NewStringFromText(const char* text) {
    return NewString(text, static_cast<uint32_t>(strlen(text)));
}

const char* StringText(const StringObject* s) {
    return s ? reinterpret_cast<const char*>(s->block + 1) : "";
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

extern "C" StringObject* RuntimeAddString(StringObject* a, StringObject* b) {
    if (!b) { RuntimeLockString(a); return a; }
    if (!a) { RuntimeLockString(b); return b; }
    StringObject* s = AllocateString(a->length + b->length);
    if (!s) return nullptr;
    memcpy(TextOf(s), TextOf(a), a->length);
    memcpy(TextOf(s) + a->length, TextOf(b), b->length);
    return s;
}
