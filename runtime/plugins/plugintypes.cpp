// The type names of plug-in declarations and property definitions.
#include "plugintypes.h"
#include "pluginclasses.h"
#include "core/casetable.h"
#include <cstring>

namespace {

struct TypeName {
    const char* name;
    BuiltinType type;
};

const TypeName kBuiltinTypes[] = {
    {"Integer", BuiltinType::Integer}, {"String", BuiltinType::String},
    {"Single", BuiltinType::Single},   {"Double", BuiltinType::Double},
    {"Boolean", BuiltinType::Boolean}, {"Color", BuiltinType::Color},
};

} // namespace

BuiltinType BuiltinTypeNamed(const char* name, uint32_t length) {
    for (const TypeName& entry : kBuiltinTypes)
        if (CaseTableEqual(name, length, entry.name, static_cast<uint32_t>(strlen(entry.name))))
            return entry.type;
    return BuiltinType::None;
}

PluginType ResolveTypeName(const char* name, uint32_t length) {
    BuiltinType builtin = BuiltinTypeNamed(name, length);
    if (builtin != BuiltinType::None) return PluginType{builtin, nullptr, false};
    ClassRecord* cls = FindClassNamed(name, length);
    return PluginType{cls ? BuiltinType::Object : BuiltinType::None, cls, false};
}
