// Data relocation: a cursor walks data1 as the relocation words direct it,
// skipping bytes or adding the load address of code1 or data1 to runs of
// words. Words of other shapes are passed over and leave the cursor alone.
#include "image.h"
#include <cstring>

namespace {

bool IsSkip(uint16_t word) { return (word & 0xF000) == 0x8000; }
bool IsCodeRun(uint16_t word) {
    return (word & 0xFE00) == 0x4000 || (word & 0xFE00) == 0x4600;
}
bool IsDataRun(uint16_t word) { return (word & 0xFE00) == 0x4200; }

// Adds base to count words at the cursor, as far as data1 reaches.
uint32_t AddToRun(uint32_t cursor, uint32_t count, uint32_t base) {
    for (uint32_t i = 0; i < count && cursor <= gImage.data1Size && gImage.data1Size - cursor >= 4;
         i++, cursor += 4) {
        uint32_t word;
        memcpy(&word, gImage.data1 + cursor, 4);
        word += base;
        memcpy(gImage.data1 + cursor, &word, 4);
    }
    return cursor;
}

} // namespace

void RelocateImageData(const uint8_t* data2, uint32_t byteCount) {
    uint32_t codeBase = reinterpret_cast<uint32_t>(gImage.code1);
    uint32_t dataBase = reinterpret_cast<uint32_t>(gImage.data1);
    uint32_t cursor = 0;
    // Past the end of data1 nothing can be relocated any more; stopping there
    // also keeps long runs of skips from wrapping the cursor back into data1.
    for (uint32_t i = 0; i + 1 < byteCount && cursor < gImage.data1Size; i += 2) {
        uint16_t word = static_cast<uint16_t>(data2[i] | data2[i + 1] << 8);
        uint32_t count = (word & 0x01FFu) + 1;
        if (IsSkip(word))
            cursor += (word & 0x0FFFu) + 1;
        else if (IsCodeRun(word))
            cursor = AddToRun(cursor, count, codeBase);
        else if (IsDataRun(word))
            cursor = AddToRun(cursor, count, dataBase);
    }
}
