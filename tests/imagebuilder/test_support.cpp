#include "test_support.h"

#include <gtest/gtest.h>

#include "file_io.h"

std::string fixture_path(const std::string &file) {
    return std::string(FIXTURE_DIR) + "/" + file;
}

CoffObject load_fixture(const std::string &name) {
    std::string path = fixture_path(name + ".o");
    return read_coff_object(path, read_file(path));
}

Image build_fixtures(const std::vector<std::string> &names, const BuildOptions &options) {
    std::vector<CoffObject> objects;
    for (const std::string &name : names)
        objects.push_back(load_fixture(name));
    return build_image(objects, options);
}

uint32_t word_at(const Bytes &bytes, uint32_t offset) {
    EXPECT_LE(offset + 4, bytes.size());
    return offset + 4 <= bytes.size() ? read_u32le(&bytes[offset]) : 0;
}

uint32_t symbol_offset(const Image &image, const std::string &name) {
    for (const MapEntry &e : image.symbols)
        if (e.name == name)
            return e.offset;
    ADD_FAILURE() << "no symbol " << name;
    return 0;
}

std::vector<LinkRecord> decode_link_records(const Bytes &code2) {
    std::vector<LinkRecord> records;
    size_t i = 0;
    while (i + 5 <= code2.size()) {
        LinkRecord r{code2[i], read_u32le(&code2[i + 1]), ""};
        i += 5;
        if (r.type == 1) {
            size_t n = code2.at(i++);
            r.name.assign(code2.begin() + long(i), code2.begin() + long(i + n));
            i += n;
        }
        records.push_back(r);
    }
    EXPECT_EQ(i, code2.size()) << "trailing bytes in code2";
    return records;
}

std::vector<uint32_t> chain_sites(const Bytes &code1, uint32_t head) {
    std::vector<uint32_t> sites;
    for (uint32_t at = head; at != 0 && sites.size() <= code1.size(); at = word_at(code1, at))
        sites.push_back(at);
    return sites;
}

std::map<uint32_t, Region> decode_data_relocations(const Bytes &data2) {
    std::map<uint32_t, Region> words;
    uint32_t cursor = 0;
    for (size_t i = 0; i + 2 <= data2.size(); i += 2) {
        uint16_t w = read_u16le(&data2[i]);
        if ((w & 0xF000) == 0x8000) {
            cursor += (w & 0x0FFF) + 1u;
        } else if ((w & 0xFE00) == 0x4000 || (w & 0xFE00) == 0x4200) {
            Region against = (w & 0xFE00) == 0x4000 ? Region::code1 : Region::data1;
            for (uint32_t k = 0; k <= (w & 0x01FFu); k++, cursor += 4)
                EXPECT_TRUE(words.emplace(cursor, against).second) << "relocated twice: " << cursor;
        } else {
            ADD_FAILURE() << "unexpected relocation word " << w;
        }
    }
    return words;
}
