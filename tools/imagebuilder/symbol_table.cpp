#include "symbol_table.h"

#include "build_error.h"
#include "import_names.h"

void SymbolTable::define(const std::string &name, Location where, const std::string &object) {
    if (!defined.emplace(name, where).second)
        throw BuildError(object, "symbol " + name + " is defined more than once");
}

const Location *SymbolTable::find(const std::string &name) const {
    auto it = defined.find(name);
    return it == defined.end() ? nullptr : &it->second;
}

namespace {

void check_supported(const CoffObject &obj, const CoffSymbol &sym) {
    if (sym.storage_class == SYM_CLASS_WEAK_EXTERNAL)
        throw BuildError(obj.path, "weak symbol " + sym.name + " is not supported");
    if (!sym.is_external())
        return;
    if (sym.section == 0 && sym.value != 0)
        throw BuildError(obj.path, "common symbol " + sym.name +
                                       " is not supported (compile with -fno-common)");
    if (sym.section == -1)
        throw BuildError(obj.path, "absolute symbol " + sym.name + " is not supported");
}

} // namespace

SymbolTable collect_definitions(const std::vector<CoffObject> &objects, const Layout &layout) {
    SymbolTable table;
    for (size_t i = 0; i < objects.size(); i++) {
        const CoffObject &obj = objects[i];
        for (const CoffSymbol &sym : obj.symbols) {
            if (sym.is_aux)
                continue;
            check_supported(obj, sym);
            if (!sym.is_external() || sym.section <= 0)
                continue;
            const Placement &p = layout.placements[i].at(size_t(sym.section - 1));
            if (p.kept)
                table.define(sym.name, {p.region, p.offset + sym.value}, obj.path);
        }
    }
    return table;
}

bool is_referenced_undefined(const std::vector<CoffObject> &objects, const SymbolTable &table,
                             const std::string &name) {
    if (table.find(name))
        return false;
    for (const CoffObject &obj : objects)
        for (const CoffSymbol &sym : obj.symbols)
            if (!sym.is_aux && sym.is_external() && sym.section == 0 && sym.name == name)
                return true;
    return false;
}

namespace {

Target at(Location where, const std::string &name) {
    return {where.region == Region::code1 ? Target::Kind::code1 : Target::Kind::data1,
            where.offset, name};
}

} // namespace

Target resolve_target(const CoffObject &obj, const std::vector<Placement> &placements,
                      const SymbolTable &table, uint32_t symbol_index) {
    if (symbol_index >= obj.symbols.size() || obj.symbols[symbol_index].is_aux)
        throw BuildError(obj.path, "relocation names a bad symbol index " +
                                       std::to_string(symbol_index));
    const CoffSymbol &sym = obj.symbols[symbol_index];
    if (sym.is_external()) {
        if (const Location *where = table.find(sym.name))
            return at(*where, sym.name);
        if (sym.section > 0)
            throw BuildError(obj.path, "symbol " + sym.name + " lies in a discarded section");
        return {Target::Kind::import, 0, import_name(sym.name, obj.path)};
    }
    if (sym.section <= 0 || size_t(sym.section) > placements.size())
        throw BuildError(obj.path, "relocation against unsupported symbol " + sym.name);
    const Placement &p = placements[size_t(sym.section - 1)];
    if (!p.kept)
        throw BuildError(obj.path, "reference to " + sym.name + " in a discarded section " +
                                       obj.sections[size_t(sym.section - 1)].name);
    return at({p.region, p.offset + sym.value}, sym.name);
}
