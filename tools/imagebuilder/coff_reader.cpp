// Reads pe-i386 COFF objects. Every offset and count taken from the file is
// checked against the file size before use.
#include "coff_object.h"

#include <cstdlib>
#include <cstring>

#include "build_error.h"

namespace {

const uint16_t MACHINE_I386 = 0x014c;
const size_t FILE_HEADER_SIZE = 20;
const size_t SECTION_HEADER_SIZE = 40;
const size_t SYMBOL_SIZE = 18;
const size_t RELOCATION_SIZE = 10;

class Reader {
public:
    Reader(const std::string &path, const Bytes &file) : path(path), file(file) {}

    const uint8_t *at(uint64_t offset, uint64_t length) const {
        if (offset + length > file.size())
            throw BuildError(path, "truncated or malformed object file");
        return file.data() + offset;
    }

    // A short name stored in place, or "/<decimal>" / a zero first word
    // referring to the string table.
    std::string name(const uint8_t *field, bool section_style) const {
        if (section_style && field[0] == '/')
            return string_at(std::strtoul(std::string((const char *)field + 1, 7).c_str(), nullptr, 10));
        if (!section_style && read_u32le(field) == 0)
            return string_at(read_u32le(field + 4));
        return std::string((const char *)field, strnlen((const char *)field, 8));
    }

    uint64_t string_table = 0;
    const std::string &path;

private:
    std::string string_at(uint64_t offset) const {
        const uint8_t *start = at(string_table + offset, 1);
        const uint8_t *end = file.data() + file.size();
        const uint8_t *stop = (const uint8_t *)memchr(start, 0, size_t(end - start));
        if (!stop)
            throw BuildError(path, "unterminated name in the string table");
        return std::string((const char *)start, size_t(stop - start));
    }

    const Bytes &file;
};

std::vector<CoffRelocation> read_relocations(const Reader &r, const uint8_t *header,
                                             uint32_t characteristics) {
    uint64_t offset = read_u32le(header + 24);
    uint64_t count = read_u16le(header + 32);
    if ((characteristics & SCN_LNK_NRELOC_OVFL) && count == 0xFFFF) {
        // The true count sits in the first record, which counts itself.
        count = read_u32le(r.at(offset, RELOCATION_SIZE));
        if (count == 0)
            throw BuildError(r.path, "malformed relocation count");
        offset += RELOCATION_SIZE;
        count -= 1;
    }
    const uint8_t *p = r.at(offset, count * RELOCATION_SIZE);
    std::vector<CoffRelocation> relocations;
    for (uint64_t i = 0; i < count; i++, p += RELOCATION_SIZE)
        relocations.push_back({read_u32le(p), read_u32le(p + 4), read_u16le(p + 8)});
    return relocations;
}

CoffSection read_section(const Reader &r, const uint8_t *header) {
    CoffSection s;
    s.name = r.name(header, true);
    s.size = read_u32le(header + 16);
    s.characteristics = read_u32le(header + 36);
    uint32_t raw = read_u32le(header + 20);
    if (s.characteristics & SCN_CNT_UNINITIALIZED_DATA || raw == 0) {
        s.contents.assign(s.size, 0);
    } else {
        const uint8_t *p = r.at(raw, s.size);
        s.contents.assign(p, p + s.size);
    }
    s.relocations = read_relocations(r, header, s.characteristics);
    return s;
}

void read_symbols(const Reader &r, uint64_t offset, uint32_t count, CoffObject &obj) {
    const uint8_t *p = r.at(offset, uint64_t(count) * SYMBOL_SIZE);
    for (uint32_t i = 0; i < count; i++) {
        const uint8_t *entry = p + i * SYMBOL_SIZE;
        CoffSymbol sym;
        sym.name = r.name(entry, false);
        sym.value = read_u32le(entry + 8);
        sym.section = int16_t(read_u16le(entry + 12));
        sym.storage_class = entry[16];
        uint8_t aux_count = entry[17];
        if (uint64_t(i) + aux_count >= count)
            throw BuildError(r.path, "truncated symbol table");
        // A section symbol's first auxiliary record tells how a COMDAT
        // section is selected.
        bool section_definition = sym.storage_class == SYM_CLASS_STATIC && aux_count > 0 &&
                                  sym.value == 0 && sym.section > 0 &&
                                  size_t(sym.section) <= obj.sections.size() &&
                                  obj.sections[sym.section - 1].name == sym.name;
        if (section_definition) {
            const uint8_t *aux = entry + SYMBOL_SIZE;
            CoffSection &s = obj.sections[sym.section - 1];
            s.comdat_associate = read_u16le(aux + 12);
            s.comdat_selection = aux[14];
        }
        obj.symbols.push_back(sym);
        for (uint8_t a = 0; a < aux_count; a++) {
            CoffSymbol aux;
            aux.is_aux = true;
            obj.symbols.push_back(aux);
        }
        i += aux_count;
    }
}

} // namespace

uint32_t CoffSection::alignment() const {
    uint32_t code = (characteristics & SCN_ALIGN_MASK) >> 20;
    return code == 0 ? 1 : 1u << (code - 1);
}

CoffObject read_coff_object(const std::string &path, const Bytes &file) {
    Reader r(path, file);
    const uint8_t *header = r.at(0, FILE_HEADER_SIZE);
    if (read_u16le(header) != MACHINE_I386)
        throw BuildError(path, "not a pe-i386 COFF object");
    uint16_t section_count = read_u16le(header + 2);
    uint32_t symbol_offset = read_u32le(header + 8);
    uint32_t symbol_count = read_u32le(header + 12);
    uint16_t optional_size = read_u16le(header + 16);
    r.string_table = uint64_t(symbol_offset) + uint64_t(symbol_count) * SYMBOL_SIZE;
    r.at(r.string_table, 4);

    CoffObject obj;
    obj.path = path;
    const uint8_t *headers = r.at(FILE_HEADER_SIZE + optional_size, section_count * SECTION_HEADER_SIZE);
    for (uint16_t i = 0; i < section_count; i++)
        obj.sections.push_back(read_section(r, headers + i * SECTION_HEADER_SIZE));
    read_symbols(r, symbol_offset, symbol_count, obj);
    return obj;
}
