// Sections go in object order, each at its own alignment. Of several COMDAT
// sections with one key only the first is kept; the others' symbols then
// resolve to it by name.
#include "section_layout.h"

#include <set>

#include "build_error.h"
#include "section_kinds.h"

namespace {

const uint8_t CODE_PADDING = 0x90;   // nop

void reject(const CoffObject &obj, const CoffSection &s, SectionKind kind) {
    switch (kind) {
    case SectionKind::static_constructors:
        throw BuildError(obj.path, "section " + s.name +
                                       ": static constructors are not supported (initialise "
                                       "globals with constants, or from the entry routine)");
    case SectionKind::thread_local_data:
        throw BuildError(obj.path, "section " + s.name + ": thread-local storage is not supported");
    case SectionKind::unknown:
        throw BuildError(obj.path, "section " + s.name + ": unknown section with contents");
    default:
        return;
    }
}

// The COMDAT symbol is the first symbol of the section after its section
// symbol; a section without one is keyed by its own name.
std::string comdat_key(const CoffObject &obj, size_t index) {
    int16_t number = int16_t(index + 1);
    bool past_section_symbol = false;
    for (const CoffSymbol &sym : obj.symbols) {
        if (sym.is_aux || sym.section != number)
            continue;
        if (past_section_symbol)
            return sym.name;
        past_section_symbol = sym.name == obj.sections[index].name && !sym.is_external();
    }
    return obj.sections[index].name;
}

bool is_associative(const CoffSection &s) {
    return s.is_comdat() && s.comdat_selection == COMDAT_SELECT_ASSOCIATIVE;
}

void place(const CoffSection &s, Region region, Bytes &bytes, Placement &p) {
    align_to(bytes, s.alignment(), region == Region::code1 ? CODE_PADDING : 0);
    p.kept = true;
    p.region = region;
    p.offset = uint32_t(bytes.size());
    append_bytes(bytes, s.contents);
}

void place_object(const CoffObject &obj, std::set<std::string> &comdat_keys, Layout &layout,
                  std::vector<Placement> &placements) {
    // Associative sections follow their leader, so they go in a second round.
    for (int round = 0; round < 2; round++) {
        for (size_t i = 0; i < obj.sections.size(); i++) {
            const CoffSection &s = obj.sections[i];
            if (is_associative(s) != (round == 1))
                continue;
            SectionKind kind = section_kind(s);
            reject(obj, s, kind);
            if (kind != SectionKind::code && kind != SectionKind::data)
                continue;
            if (is_associative(s)) {
                size_t leader = s.comdat_associate - 1;
                if (leader >= placements.size() || !placements[leader].kept)
                    continue;
            } else if (s.is_comdat() && !comdat_keys.insert(comdat_key(obj, i)).second) {
                continue;
            }
            if (kind == SectionKind::code)
                place(s, Region::code1, layout.code1, placements[i]);
            else
                place(s, Region::data1, layout.data1, placements[i]);
        }
    }
}

} // namespace

const char *region_name(Region region) {
    return region == Region::code1 ? "code1" : "data1";
}

Layout lay_out_sections(const std::vector<CoffObject> &objects) {
    Layout layout;
    layout.data1.assign(DATA1_HEADER_SIZE, 0);
    std::set<std::string> comdat_keys;
    for (const CoffObject &obj : objects) {
        layout.placements.emplace_back(obj.sections.size());
        place_object(obj, comdat_keys, layout, layout.placements.back());
    }
    return layout;
}
