// What number text takes from the user's locale: the decimal and thousands
// separators.
#pragma once
#include <cstdint>

// A separator of the user's default locale: at most three characters.
struct Separator {
    char text[4];
    uint32_t length;
};

// Both are read afresh on every call: the user may change them at any time.
Separator UserDecimalSeparator();
Separator UserThousandsSeparator();
