// data2: the relocation words that add load addresses to words of data1.
#pragma once

#include "relocation_pass.h"

enum : uint16_t {
    DATA_SKIP = 0x8000,        // | (bytes - 1), 1..4096 bytes
    DATA_CODE_RUN = 0x4000,    // | (words - 1), 1..512 words, code1 address added
    DATA_DATA_RUN = 0x4200,    // | (words - 1), 1..512 words, data1 address added
};

const uint32_t MAX_SKIP = 4096;
const uint32_t MAX_RUN = 512;

// Words for the given relocations (in any order); overlapping ones are an error.
Bytes encode_data_relocations(std::vector<DataRelocation> relocations);
