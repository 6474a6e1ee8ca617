// The external symbols of all objects, and what a relocation's symbol
// finally stands for.
#pragma once

#include <map>
#include <string>

#include "section_layout.h"

struct Location {
    Region region;
    uint32_t offset;
};

struct SymbolTable {
    std::map<std::string, Location> defined;   // by COFF name

    void define(const std::string &name, Location where, const std::string &object);
    const Location *find(const std::string &name) const;
};

// External definitions in kept sections; a name defined twice is an error.
SymbolTable collect_definitions(const std::vector<CoffObject> &objects, const Layout &layout);

// Whether some object uses `name` without any object defining it.
bool is_referenced_undefined(const std::vector<CoffObject> &objects, const SymbolTable &table,
                             const std::string &name);

struct Target {
    enum class Kind { code1, data1, import } kind;
    uint32_t offset = 0;   // within code1 or data1
    std::string name;      // the import name, or the symbol for messages
};

Target resolve_target(const CoffObject &obj, const std::vector<Placement> &placements,
                      const SymbolTable &table, uint32_t symbol_index);
