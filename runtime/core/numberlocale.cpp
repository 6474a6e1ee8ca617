// The user's number separators.
#include "numberlocale.h"
#include <windows.h>

namespace {

Separator ReadSeparator(LCTYPE which, char fallback) {
    Separator separator;
    int size = GetLocaleInfoA(LOCALE_USER_DEFAULT, which, separator.text, sizeof separator.text);
    if (size > 0) {
        separator.length = static_cast<uint32_t>(size - 1);   // without its 0 byte
    } else {
        // Longer than three characters or no locale at all: the C locale's.
        separator.text[0] = fallback;
        separator.text[1] = 0;
        separator.length = 1;
    }
    return separator;
}

} // namespace

Separator UserDecimalSeparator() { return ReadSeparator(LOCALE_SDECIMAL, '.'); }

Separator UserThousandsSeparator() { return ReadSeparator(LOCALE_STHOUSAND, ','); }
