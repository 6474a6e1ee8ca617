// Property descriptors: the rows of a class's property table. Window
// descriptions set properties by name through them, and plug-ins add their
// own. Each class record keeps its own rows, newest first; a name is looked
// up from an object's class towards the root.
#pragma once
#include <cstdint>

struct ClassRecord;
struct StringObject;

enum class PropertyType : uint8_t { Integer, String, Single, Double, Boolean, Color, Object };

// Accessors follow the entry points' contract (cdecl): a getter takes the
// receiver and the parameter, a setter the receiver, the parameter and the
// value (a 32-bit word; Single and Double values are not set from text).
struct PropertyDescriptor {
    PropertyDescriptor* next;
    ClassRecord* owner;
    StringObject* name;
    PropertyType type;
    ClassRecord* objectClass;    // the value's class for PropertyType::Object
    void* getter;                // null: write-only
    void* setter;                // null: read-only
    uint32_t param;
    uint32_t flags;
};

// Adds a row at the front of the class's table and returns it.
PropertyDescriptor* AddProperty(ClassRecord* cls, const char* name, PropertyType type,
                                void* getter, void* setter, uint32_t param = 0);

// The first row of that name, ASCII case ignored, in the class and then its
// superclasses; null when none has one.
const PropertyDescriptor* FindProperty(const ClassRecord* cls, const char* name, uint32_t length);
const PropertyDescriptor* FindProperty(const ClassRecord* cls, const char* name);

// The rows a class itself declares (newest first); null for none.
const PropertyDescriptor* OwnProperties(const ClassRecord* cls);

// Direct field accessors: the parameter is the field's byte offset in the
// receiver. Strings and objects use stringGetter/stringSetter and
// objGetter/objSetter.
extern "C" {
uint32_t FieldByteGetter(void* object, uint32_t offset);
void FieldByteSetter(void* object, uint32_t offset, uint32_t value);
uint32_t FieldShortGetter(void* object, uint32_t offset);
void FieldShortSetter(void* object, uint32_t offset, uint32_t value);
uint32_t FieldLongGetter(void* object, uint32_t offset);
void FieldLongSetter(void* object, uint32_t offset, uint32_t value);
}
