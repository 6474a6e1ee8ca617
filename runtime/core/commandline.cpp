// The command-line items.
#include "commandline.h"

bool NextCommandLineItem(const char** cursor, const char** item, uint32_t* length) {
    const char* at = *cursor;
    while (*at == ' ') at++;
    if (*at == 0) {
        *cursor = at;
        return false;
    }
    char end = ' ';
    if (*at == '"') {
        end = '"';
        at++;
    }
    *item = at;
    while (*at && *at != end) at++;
    *length = static_cast<uint32_t>(at - *item);
    if (*at == '"') at++;
    *cursor = at;
    return true;
}
