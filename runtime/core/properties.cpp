// Property tables. The rows hang off a small side table keyed by class record
// so that the class record's layout stays as the rest of the runtime knows
// it; there are only a few dozen classes, so a list is enough.
#include "properties.h"
#include "objects.h"
#include "string.h"
#include "utility.h"
#include <cstring>

namespace {

struct ClassProperties {
    ClassProperties* next;
    const ClassRecord* cls;
    PropertyDescriptor* rows;
};

ClassProperties* allTables;

ClassProperties* TableOf(const ClassRecord* cls, bool create) {
    for (ClassProperties* table = allTables; table; table = table->next)
        if (table->cls == cls) return table;
    if (!create) return nullptr;
    ClassProperties* table = static_cast<ClassProperties*>(NewRuntimeRecord(sizeof(ClassProperties)));
    *table = ClassProperties{allTables, cls, nullptr};
    allTables = table;
    return table;
}

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

bool NameIs(const StringObject* name, const char* text, uint32_t length) {
    if (StringLength(name) != length) return false;
    const char* own = StringText(name);
    for (uint32_t i = 0; i < length; i++)
        if (AsciiUpper(own[i]) != AsciiUpper(text[i])) return false;
    return true;
}

template <typename T>
T& FieldAt(void* object, uint32_t offset) {
    return *reinterpret_cast<T*>(static_cast<uint8_t*>(object) + offset);
}

} // namespace

PropertyDescriptor* AddProperty(ClassRecord* cls, const char* name, PropertyType type, void* getter,
                                void* setter, uint32_t param) {
    ClassProperties* table = TableOf(cls, true);
    PropertyDescriptor* row =
        static_cast<PropertyDescriptor*>(NewRuntimeRecord(sizeof(PropertyDescriptor)));
    *row = PropertyDescriptor{table->rows, cls,    NewStringFromText(name), type, nullptr,
                              getter,      setter, param,                   0};
    table->rows = row;
    return row;
}

const PropertyDescriptor* FindProperty(const ClassRecord* cls, const char* name, uint32_t length) {
    for (; cls; cls = cls->superclass)
        for (const PropertyDescriptor* row = OwnProperties(cls); row; row = row->next)
            if (NameIs(row->name, name, length)) return row;
    return nullptr;
}

const PropertyDescriptor* FindProperty(const ClassRecord* cls, const char* name) {
    return FindProperty(cls, name, static_cast<uint32_t>(strlen(name)));
}

const PropertyDescriptor* OwnProperties(const ClassRecord* cls) {
    ClassProperties* table = TableOf(cls, false);
    return table ? table->rows : nullptr;
}

extern "C" uint32_t FieldByteGetter(void* object, uint32_t offset) {
    return FieldAt<uint8_t>(object, offset);
}
extern "C" void FieldByteSetter(void* object, uint32_t offset, uint32_t value) {
    FieldAt<uint8_t>(object, offset) = static_cast<uint8_t>(value);
}
extern "C" uint32_t FieldShortGetter(void* object, uint32_t offset) {
    return static_cast<uint32_t>(static_cast<int32_t>(FieldAt<int16_t>(object, offset)));
}
extern "C" void FieldShortSetter(void* object, uint32_t offset, uint32_t value) {
    FieldAt<int16_t>(object, offset) = static_cast<int16_t>(value);
}
extern "C" uint32_t FieldLongGetter(void* object, uint32_t offset) {
    return FieldAt<uint32_t>(object, offset);
}
extern "C" void FieldLongSetter(void* object, uint32_t offset, uint32_t value) {
    FieldAt<uint32_t>(object, offset) = value;
}
