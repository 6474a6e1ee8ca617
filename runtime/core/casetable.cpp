// The runtime's case table and the comparisons made with it.
#include "casetable.h"

namespace {

struct CaseTable { uint8_t upper[256]; };

// The Mac OS Roman lower-case letters and their upper-case forms.
constexpr uint8_t kAccentedLetters[][2] = {
    {0x87, 0xE7}, {0x88, 0xCB}, {0x89, 0xE5}, {0x8A, 0x80}, {0x8B, 0xCC},
    {0x8C, 0x81}, {0x8D, 0x82}, {0x8E, 0x83}, {0x8F, 0xE9}, {0x90, 0xE6},
    {0x91, 0xE8}, {0x92, 0xEA}, {0x93, 0xED}, {0x94, 0xEB}, {0x95, 0xEC},
    {0x96, 0x84}, {0x97, 0xEE}, {0x98, 0xF1}, {0x99, 0xEF}, {0x9A, 0x85},
    {0x9B, 0xCD}, {0x9C, 0xF2}, {0x9D, 0xF4}, {0x9E, 0xF3}, {0x9F, 0x86},
    {0xBE, 0xAE}, {0xBF, 0xAF}, {0xCF, 0xCE}, {0xD8, 0xD9}, {0xF5, 0x49},
};

constexpr CaseTable MakeCaseTable() {
    CaseTable table{};
    for (int byte = 0; byte < 256; byte++)
        table.upper[byte] = static_cast<uint8_t>(byte);
    for (int letter = 'a'; letter <= 'z'; letter++)
        table.upper[letter] = static_cast<uint8_t>(letter - 'a' + 'A');
    for (const auto& pair : kAccentedLetters)
        table.upper[pair[0]] = pair[1];
    return table;
}

constexpr CaseTable kCaseTable = MakeCaseTable();

} // namespace

uint8_t CaseTableUpper(uint8_t byte) {
    return kCaseTable.upper[byte];
}

bool CaseTableEqual(const void* a, uint32_t alength, const void* b, uint32_t blength) {
    if (alength != blength) return false;
    const uint8_t* x = static_cast<const uint8_t*>(a);
    const uint8_t* y = static_cast<const uint8_t*>(b);
    for (uint32_t i = 0; i < alength; i++)
        if (kCaseTable.upper[x[i]] != kCaseTable.upper[y[i]]) return false;
    return true;
}

int CaseTableCompare(const void* a, uint32_t alength, const void* b, uint32_t blength) {
    const uint8_t* x = static_cast<const uint8_t*>(a);
    const uint8_t* y = static_cast<const uint8_t*>(b);
    uint32_t common = alength < blength ? alength : blength;
    for (uint32_t i = 0; i < common; i++) {
        int difference = kCaseTable.upper[x[i]] - kCaseTable.upper[y[i]];
        if (difference != 0) return difference;
    }
    if (alength == blength) return 0;
    return alength < blength ? -1 : 1;
}
