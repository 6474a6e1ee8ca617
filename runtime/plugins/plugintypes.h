// Types as plug-in declarations and property definitions name them: one of
// the six built-in type names, or a class.
#pragma once
#include <cstdint>

struct ClassRecord;

enum class BuiltinType : uint8_t { None, Integer, String, Single, Double, Boolean, Color, Object };

struct PluginType {
    BuiltinType kind;       // Object for a class type; None for no type
    ClassRecord* cls;       // the class of an Object type
    bool isArray;           // an array whose elements have this type
};

// The built-in type of that name (any letter case); None if it is none.
BuiltinType BuiltinTypeNamed(const char* name, uint32_t length);

// A built-in type name, else a class by name (the lookup order for types);
// kind None when neither knows the name.
PluginType ResolveTypeName(const char* name, uint32_t length);
