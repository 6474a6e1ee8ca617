// Filling in the tables of a built-in class: rows of accessor entry points
// for its property table, and routines for its method table.
#pragma once
#include "core/objects.h"
#include "core/properties.h"
#include "core/string.h"
#include "core/utility.h"
#include <initializer_list>

// An accessor or method routine as the tables keep it: its address.
template <typename Routine>
const void* RoutineAddress(Routine routine) { return reinterpret_cast<const void*>(routine); }
inline const void* RoutineAddress(decltype(nullptr)) { return nullptr; }

struct PropertyRow {
    template <typename Getter, typename Setter>
    PropertyRow(const char* name, PropertyType type, Getter getter, Setter setter, uint32_t parameter = 0,
                ClassRecord* objectClass = nullptr)
        : name(name), type(type), getter(RoutineAddress(getter)), setter(RoutineAddress(setter)),
          parameter(parameter), objectClass(objectClass) {}
    const char* name;
    PropertyType type;
    const void* getter;        // an entry point; null for none
    const void* setter;
    uint32_t parameter;
    ClassRecord* objectClass;
};

inline void AddClassProperties(ClassRecord* cls, std::initializer_list<PropertyRow> rows) {
    for (const PropertyRow& row : rows)
        AddProperty(cls, row.name, row.type, reinterpret_cast<uint32_t>(row.getter),
                    reinterpret_cast<uint32_t>(row.setter), row.parameter, row.objectClass);
}

struct MethodRow {
    template <typename Routine>
    MethodRow(const char* name, Routine routine) : name(name), routine(RoutineAddress(routine)) {}
    const char* name;
    const void* routine;       // called with the instance, then the arguments
};

inline void AddClassMethods(ClassRecord* cls, std::initializer_list<MethodRow> rows) {
    cls->methods = static_cast<MethodEntry*>(NewRuntimeRecord(sizeof(MethodEntry) * rows.size()));
    cls->methodCount = 0;
    for (const MethodRow& row : rows)
        cls->methods[cls->methodCount++] =
            MethodEntry{NewStringFromText(row.name), reinterpret_cast<uint32_t>(row.routine)};
}
