// Places the kept sections of all objects into code1 and data1.
#pragma once

#include <vector>

#include "coff_object.h"

enum class Region { code1, data1 };

const char *region_name(Region region);

struct Placement {
    bool kept = false;
    Region region = Region::code1;
    uint32_t offset = 0;   // of the section's first byte within its region
};

// data1 opens with two words: the entry routine and the class list.
const uint32_t DATA1_HEADER_SIZE = 8;

struct Layout {
    Bytes code1;
    Bytes data1;                                    // header words still zero
    std::vector<std::vector<Placement>> placements; // [object][section]
};

Layout lay_out_sections(const std::vector<CoffObject> &objects);
