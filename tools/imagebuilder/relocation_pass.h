// Applies the objects' relocations to code1 and data1, and collects what
// the loader must still do at run time: import call sites, code fix-ups and
// data relocations.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "symbol_table.h"

struct DataRelocation {
    uint32_t offset;   // of the 32-bit word within data1
    Region against;    // whose load address is added to it
};

struct LoadTimeFixups {
    std::map<std::string, std::vector<uint32_t>> import_sites;   // code1 operand offsets
    std::vector<uint32_t> code_fixups;                           // code1 words holding data1 offsets
    std::vector<DataRelocation> data_relocations;
};

void apply_relocations(const std::vector<CoffObject> &objects, const SymbolTable &table,
                       Layout &layout, LoadTimeFixups &fixups);
