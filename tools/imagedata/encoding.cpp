#include "encoding.h"
#include <cstdio>

void AppendCompactInteger(Bytes& out, int32_t value) {
    bool negative = value < 0 && value != INT32_MIN;
    uint32_t magnitude = negative ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
    uint8_t first = (magnitude & 0x3F) | (negative ? 0x40 : 0);
    magnitude >>= 6;
    out.push_back(first | (magnitude ? 0x80 : 0));
    while (magnitude) {
        uint8_t next = magnitude & 0x7F;
        magnitude >>= 7;
        out.push_back(next | (magnitude ? 0x80 : 0));
    }
}

void AppendCompactString(Bytes& out, const std::string& text) {
    AppendCompactInteger(out, static_cast<int32_t>(text.size()));
    out.insert(out.end(), text.begin(), text.end());
}

void AppendWord(Bytes& out, uint32_t word) {
    for (int i = 0; i < 4; i++) out.push_back(static_cast<uint8_t>(word >> (8 * i)));
}

std::string AssemblyFor(const std::vector<DataItem>& items) {
    std::string text = "# Encoded by imagedata. Do not edit: edit the source instead.\n\t.data\n";
    char line[16];
    for (const DataItem& item : items) {
        text += "\t.balign 4\n\t.globl _" + item.label + "\n_" + item.label + ":\n";
        for (size_t i = 0; i < item.bytes.size(); i++) {
            text += i % 16 ? "," : "\t.byte ";
            std::snprintf(line, sizeof line, "%u", item.bytes[i]);
            text += line;
            if (i % 16 == 15 || i + 1 == item.bytes.size()) text += "\n";
        }
    }
    text += "\t.balign 4\n";
    return text;
}
