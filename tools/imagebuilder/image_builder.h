// From COFF objects to the four sections of an application image.
#pragma once

#include <string>
#include <vector>

#include "plugin_records.h"

struct BuildOptions {
    std::string entry = "ImageMain";     // C names; COFF symbols carry a leading "_"
    std::string classes = "ClassList";
    std::vector<StoredPlugin> plugins;
};

struct MapEntry {
    std::string name;   // without the leading underscore
    Region region;
    uint32_t offset;
};

struct Image {
    Bytes code1, code2, data1, data2;
    std::vector<MapEntry> symbols;   // every defined external, by region and offset
};

// The builder defines this one itself: a data1 word holding the address of
// the first stored plug-in record, or 0.
extern const char *const STORED_PLUGINS_SYMBOL;

Image build_image(const std::vector<CoffObject> &objects, const BuildOptions &options);
