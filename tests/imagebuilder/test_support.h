// Helpers of the builder's tests: fixture loading, and readers of the
// image sections that follow the loader's rules rather than the builder's
// code.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "image_builder.h"

std::string fixture_path(const std::string &file);
CoffObject load_fixture(const std::string &name);   // FIXTURE_DIR/<name>.o
Image build_fixtures(const std::vector<std::string> &names, const BuildOptions &options = {});

uint32_t word_at(const Bytes &bytes, uint32_t offset);
uint32_t symbol_offset(const Image &image, const std::string &name);   // fails the test if absent

struct LinkRecord {
    uint8_t type;
    uint32_t offset;    // chain head or fixed-up word
    std::string name;   // imports only
};

std::vector<LinkRecord> decode_link_records(const Bytes &code2);

// The code1 offsets a fix-up chain visits, from its head.
std::vector<uint32_t> chain_sites(const Bytes &code1, uint32_t head);

// data1 offset -> region whose load address the loader adds there.
std::map<uint32_t, Region> decode_data_relocations(const Bytes &data2);
