// The stored plug-in libraries: a chain of records inside data1.
#pragma once

#include <string>

#include "relocation_pass.h"

struct StoredPlugin {
    std::string name;   // the file name the runtime writes it under
    std::string file;   // where the builder read it, for messages
    Bytes contents;
};

const size_t MAX_PLUGIN_NAME = 127;

// Appends the records, 4-byte aligned, to data1 and returns the offset of
// the first (0 when there are none). Record layout: next record's address
// (relocated against data1; 0 ends the chain), byte count of the rest from
// +8, a reserved zero word, the name length, the name, the library bytes.
uint32_t append_plugin_records(const std::vector<StoredPlugin> &plugins, Bytes &data1,
                               std::vector<DataRelocation> &relocations);
