// A cursor walks data1 from its start. Gaps become skips, and each maximal
// group of adjacent words of one kind becomes runs, split at the largest
// count a word can hold.
#include "data_relocations.h"

#include <algorithm>

#include "build_error.h"

namespace {

void skip_to(uint32_t target, uint32_t &cursor, Bytes &words) {
    while (cursor < target) {
        uint32_t n = std::min(target - cursor, MAX_SKIP);
        append_u16le(words, uint16_t(DATA_SKIP | (n - 1)));
        cursor += n;
    }
}

void emit_run(Region against, uint32_t count, Bytes &words) {
    uint16_t kind = against == Region::code1 ? DATA_CODE_RUN : DATA_DATA_RUN;
    append_u16le(words, uint16_t(kind | (count - 1)));
}

} // namespace

Bytes encode_data_relocations(std::vector<DataRelocation> relocations) {
    std::sort(relocations.begin(), relocations.end(),
              [](const DataRelocation &a, const DataRelocation &b) { return a.offset < b.offset; });
    Bytes words;
    uint32_t cursor = 0;
    size_t i = 0;
    while (i < relocations.size()) {
        if (relocations[i].offset < cursor)
            throw BuildError("data1", "overlapping data relocations at " + hex(relocations[i].offset));
        skip_to(relocations[i].offset, cursor, words);
        uint32_t count = 0;
        Region against = relocations[i].against;
        while (i < relocations.size() && relocations[i].offset == cursor &&
               relocations[i].against == against && count < MAX_RUN) {
            cursor += 4;
            count++;
            i++;
        }
        emit_run(against, count, words);
    }
    return words;
}
