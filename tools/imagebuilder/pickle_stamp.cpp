// Walks the PE resource tree: type -> name/id -> language -> data entry.
// Offsets inside the tree count from its root; the data entry holds an RVA,
// which the section table maps to a file offset.
#include "pickle_stamp.h"

#include <cctype>

#include "build_error.h"

namespace {

const uint32_t PICKLE_ID = 101;
const uint32_t PICKLE_SIZE = 8;
const uint32_t HIGH_BIT = 0x80000000;

class PeFile {
public:
    PeFile(const Bytes &exe, const std::string &path) : exe(exe), path(path) { read_headers(); }

    uint16_t u16(uint64_t offset) const { return read_u16le(at(offset, 2)); }
    uint32_t u32(uint64_t offset) const { return read_u32le(at(offset, 4)); }

    uint32_t file_offset(uint32_t rva, uint32_t length) const {
        for (uint16_t i = 0; i < section_count; i++) {
            uint64_t h = section_table + 40u * i;
            uint32_t virtual_size = u32(h + 8), virtual_address = u32(h + 12);
            uint32_t raw_size = u32(h + 16), raw_offset = u32(h + 20);
            uint32_t span = virtual_size > raw_size ? virtual_size : raw_size;
            if (rva >= virtual_address && rva - virtual_address < span) {
                uint32_t inside = rva - virtual_address;
                if (uint64_t(inside) + length > raw_size)
                    break;
                return raw_offset + inside;
            }
        }
        fail("resource data lies outside the file's sections");
    }

    [[noreturn]] void fail(const std::string &what) const { throw BuildError(path, what); }

    uint32_t resource_rva = 0;

private:
    const uint8_t *at(uint64_t offset, uint64_t length) const {
        if (offset + length > exe.size())
            fail("truncated or malformed PE executable");
        return exe.data() + offset;
    }

    void read_headers() {
        if (exe.size() < 0x40 || exe[0] != 'M' || exe[1] != 'Z')
            fail("not a PE executable");
        uint32_t pe = u32(0x3C);
        if (u32(pe) != 0x00004550)
            fail("not a PE executable");
        section_count = u16(pe + 6);
        uint16_t optional_size = u16(pe + 20);
        uint64_t optional = pe + 24;
        uint16_t magic = u16(optional);
        uint64_t directory_count = magic == 0x20b ? optional + 108 : optional + 92;
        if (magic != 0x10b && magic != 0x20b)
            fail("unknown PE optional header");
        if (u32(directory_count) > 2)
            resource_rva = u32(directory_count + 4 + 2 * 8);
        section_table = optional + optional_size;
    }

    const Bytes &exe;
    const std::string &path;
    uint16_t section_count = 0;
    uint64_t section_table = 0;
};

// Resource names are UTF-16 and, like the system's lookup, case-blind.
bool name_is(const PeFile &pe, uint64_t root, uint32_t name_field, const std::string &wanted) {
    uint64_t s = root + (name_field & ~HIGH_BIT);
    if (pe.u16(s) != wanted.size())
        return false;
    for (size_t i = 0; i < wanted.size(); i++) {
        uint16_t c = pe.u16(s + 2 + 2 * i);
        if (c > 0x7F || std::toupper(c) != wanted[i])
            return false;
    }
    return true;
}

// The entry of the directory at `dir` that `matches`; returns its offset
// field, or 0 when there is none (0 cannot be a valid child offset).
template <class Match>
uint32_t find_entry(const PeFile &pe, uint64_t dir, Match matches) {
    uint32_t count = uint32_t(pe.u16(dir + 12)) + pe.u16(dir + 14);
    for (uint32_t i = 0; i < count; i++) {
        uint64_t entry = dir + 16 + 8 * i;
        if (matches(pe.u32(entry)))
            return pe.u32(entry + 4);
    }
    return 0;
}

uint64_t subdirectory(const PeFile &pe, uint64_t root, uint32_t field, const char *what) {
    if (field == 0 || !(field & HIGH_BIT))
        pe.fail(std::string("no PICKLE resource with id 101 (") + what + ")");
    return root + (field & ~HIGH_BIT);
}

} // namespace

uint32_t find_pickle(const Bytes &exe, const std::string &path) {
    PeFile pe(exe, path);
    if (pe.resource_rva == 0)
        pe.fail("no PICKLE resource with id 101 (the executable has no resources)");
    uint64_t root = pe.file_offset(pe.resource_rva, 16);
    uint64_t type = subdirectory(pe, root, find_entry(pe, root, [&](uint32_t name) {
        return (name & HIGH_BIT) && name_is(pe, root, name, "PICKLE");
    }), "no such type");
    uint64_t id = subdirectory(pe, root, find_entry(pe, type, [](uint32_t name) {
        return name == PICKLE_ID;
    }), "no such id");
    uint32_t language = find_entry(pe, id, [](uint32_t) { return true; });
    if (language == 0 || (language & HIGH_BIT))
        pe.fail("malformed PICKLE resource");
    uint64_t data_entry = root + language;
    if (pe.u32(data_entry + 4) != PICKLE_SIZE)
        pe.fail("the PICKLE resource is not 8 bytes long");
    return pe.file_offset(pe.u32(data_entry), PICKLE_SIZE);
}

void stamp_pickle(Bytes &exe, const std::string &path, uint32_t image_offset, uint32_t index_offset) {
    uint32_t at = find_pickle(exe, path);
    put_u32le(&exe[at], image_offset);
    put_u32le(&exe[at + 4], index_offset);
}
