// COFF i386 relocations are REL: the addend A sits in the word being
// relocated. A PC-relative word at P to S becomes S + A - (P + 4), as the
// processor adds the address of the next instruction.
#include "relocation_pass.h"

#include <algorithm>

#include "build_error.h"

namespace {

std::string relocation_type_name(uint16_t type) {
    switch (type) {
    case REL_I386_DIR16: return "DIR16";
    case REL_I386_REL16: return "REL16";
    case REL_I386_DIR32NB: return "DIR32NB (image-relative)";
    case REL_I386_SEG12: return "SEG12";
    case REL_I386_SECTION: return "SECTION";
    case REL_I386_SECREL: return "SECREL";
    case REL_I386_TOKEN: return "TOKEN";
    case REL_I386_SECREL7: return "SECREL7";
    default: return hex(type);
    }
}

struct Site {
    const CoffObject &obj;
    const CoffSection &section;
    const CoffRelocation &reloc;
    Region region;
    uint32_t position;   // of the relocated word within its region

    BuildError error(const std::string &what) const {
        return BuildError(obj.path, section.name + "+" + hex(reloc.offset) + ": " + what);
    }
};

void relocate_pc_relative(const Site &site, const Target &target, uint8_t *word,
                          LoadTimeFixups &fixups) {
    uint32_t addend = read_u32le(word);
    if (site.region != Region::code1)
        throw site.error("cannot express a PC-relative reference in data (to " + target.name + ")");
    switch (target.kind) {
    case Target::Kind::import:
        if (addend != 0)
            throw site.error("call to imported routine " + target.name +
                             " with an addend cannot be linked");
        fixups.import_sites[target.name].push_back(site.position);
        return;
    case Target::Kind::code1:
        put_u32le(word, target.offset + addend - (site.position + 4));
        return;
    case Target::Kind::data1:
        throw site.error("cannot express a PC-relative reference to data " + target.name +
                         " (code reaches data only through absolute addresses)");
    }
}

void relocate_absolute(const Site &site, const Target &target, uint8_t *word,
                       LoadTimeFixups &fixups) {
    uint32_t addend = read_u32le(word);
    if (target.kind == Target::Kind::import)
        throw site.error("cannot take the address of imported routine " + target.name +
                         "; only calls to it can be linked");
    if (site.region == Region::code1 && target.kind == Target::Kind::code1)
        throw site.error("cannot express the address of code " + target.name +
                         " in code; take the address from a data word instead");
    put_u32le(word, target.offset + addend);
    if (site.region == Region::code1)
        fixups.code_fixups.push_back(site.position);
    else
        fixups.data_relocations.push_back(
            {site.position, target.kind == Target::Kind::code1 ? Region::code1 : Region::data1});
}

void relocate_section(const CoffObject &obj, const CoffSection &section, const Placement &p,
                      const std::vector<Placement> &placements, const SymbolTable &table,
                      Layout &layout, LoadTimeFixups &fixups) {
    std::vector<CoffRelocation> relocations = section.relocations;
    std::stable_sort(relocations.begin(), relocations.end(),
                     [](const CoffRelocation &a, const CoffRelocation &b) { return a.offset < b.offset; });
    Bytes &bytes = p.region == Region::code1 ? layout.code1 : layout.data1;
    uint64_t free_from = 0;   // first byte not yet covered by a relocated word
    for (const CoffRelocation &r : relocations) {
        if (r.type == REL_I386_ABSOLUTE)
            continue;
        Site site{obj, section, r, p.region, p.offset + r.offset};
        if (uint64_t(r.offset) + 4 > section.size)
            throw site.error("relocation beyond the end of the section");
        if (r.offset < free_from)
            throw site.error("overlapping relocations");
        free_from = uint64_t(r.offset) + 4;
        Target target = resolve_target(obj, placements, table, r.symbol);
        uint8_t *word = &bytes[site.position];
        if (r.type == REL_I386_REL32)
            relocate_pc_relative(site, target, word, fixups);
        else if (r.type == REL_I386_DIR32)
            relocate_absolute(site, target, word, fixups);
        else
            throw site.error("relocation type " + relocation_type_name(r.type) + " against " +
                             target.name + " is not supported");
    }
}

} // namespace

void apply_relocations(const std::vector<CoffObject> &objects, const SymbolTable &table,
                       Layout &layout, LoadTimeFixups &fixups) {
    for (size_t i = 0; i < objects.size(); i++) {
        const std::vector<Placement> &placements = layout.placements[i];
        for (size_t s = 0; s < objects[i].sections.size(); s++)
            if (placements[s].kept)
                relocate_section(objects[i], objects[i].sections[s], placements[s], placements,
                                 table, layout, fixups);
    }
}
