// A pe-i386 COFF object as the compiler writes it, read into plain structs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "byte_order.h"

enum : uint32_t {
    SCN_CNT_UNINITIALIZED_DATA = 0x00000080,
    SCN_LNK_INFO = 0x00000200,
    SCN_LNK_REMOVE = 0x00000800,
    SCN_LNK_COMDAT = 0x00001000,
    SCN_ALIGN_MASK = 0x00F00000,
    SCN_LNK_NRELOC_OVFL = 0x01000000,
};

enum : uint16_t {
    REL_I386_ABSOLUTE = 0x0000,
    REL_I386_DIR16 = 0x0001,
    REL_I386_REL16 = 0x0002,
    REL_I386_DIR32 = 0x0006,
    REL_I386_DIR32NB = 0x0007,
    REL_I386_SEG12 = 0x0009,
    REL_I386_SECTION = 0x000A,
    REL_I386_SECREL = 0x000B,
    REL_I386_TOKEN = 0x000C,
    REL_I386_SECREL7 = 0x000D,
    REL_I386_REL32 = 0x0014,
};

enum : uint8_t {
    SYM_CLASS_EXTERNAL = 2,
    SYM_CLASS_STATIC = 3,
    SYM_CLASS_WEAK_EXTERNAL = 105,
};

enum : uint8_t { COMDAT_SELECT_ASSOCIATIVE = 5 };

struct CoffRelocation {
    uint32_t offset;   // within the section
    uint32_t symbol;   // index into the symbol table
    uint16_t type;
};

struct CoffSection {
    std::string name;
    uint32_t characteristics = 0;
    uint32_t size = 0;
    Bytes contents;    // `size` bytes; zeros for uninitialised data
    std::vector<CoffRelocation> relocations;
    // From the section symbol's auxiliary record, for COMDAT sections.
    uint8_t comdat_selection = 0;
    uint16_t comdat_associate = 0;   // 1-based section number

    uint32_t alignment() const;
    bool is_comdat() const { return characteristics & SCN_LNK_COMDAT; }
};

// Auxiliary slots of the symbol table are kept as entries with is_aux set,
// so that relocation symbol indexes can index this vector directly.
struct CoffSymbol {
    std::string name;
    uint32_t value = 0;
    int16_t section = 0;   // 1-based; 0 undefined, -1 absolute, -2 debug
    uint8_t storage_class = 0;
    bool is_aux = false;

    bool is_external() const { return storage_class == SYM_CLASS_EXTERNAL; }
};

struct CoffObject {
    std::string path;
    std::vector<CoffSection> sections;
    std::vector<CoffSymbol> symbols;
};

CoffObject read_coff_object(const std::string &path, const Bytes &file);
