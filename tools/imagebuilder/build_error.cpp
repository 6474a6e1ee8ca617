#include "build_error.h"

#include <cstdio>

std::string hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%x", unsigned(value));
    return text;
}
