// Comparing strings: in the user's locale order (with or without case) or
// byte by byte. Results are -1, 0 or 1.
#include "stringroutines.h"
#include <windows.h>
#include <cstring>

namespace {

// CompareStringA in the user's default locale; a comparison the system
// cannot make counts as equal.
int LocaleCompare(StringObject* a, StringObject* b, DWORD flags) {
    int result = CompareStringA(LOCALE_USER_DEFAULT, flags, StringText(a),
                                static_cast<int>(StringLength(a)), StringText(b),
                                static_cast<int>(StringLength(b)));
    return result == 0 ? 0 : result - CSTR_EQUAL;
}

// Unsigned bytes; a proper prefix (the empty string included) comes first.
int ByteCompare(StringObject* a, StringObject* b) {
    uint32_t alength = StringLength(a), blength = StringLength(b);
    int result = memcmp(StringBytes(a), StringBytes(b), alength < blength ? alength : blength);
    if (result == 0) result = alength < blength ? -1 : alength > blength;
    return result < 0 ? -1 : result > 0;
}

} // namespace

extern "C" int RuntimeStringCompare(StringObject* a, StringObject* b) {
    if (a == b) return 0;
    return LocaleCompare(a, b, NORM_IGNORECASE);
}

extern "C" int StringStrCompare(StringObject* a, StringObject* b, int mode) {
    if (mode == 0) return ByteCompare(a, b);
    return LocaleCompare(a, b, 0);
}
