// Properties of classes: the named, typed accessors through which window
// descriptions set the stored values of windows and controls, and through
// which plug-ins describe their classes. A class keeps its properties in
// definition order; a lookup walks from the object's own class to the root.
//
// Accessors are plain C routines: a getter is called with the object and the
// property's parameter and returns the value, a setter with the object, the
// parameter and the value. Booleans travel as 0 or 1 in 32 bits; strings and
// objects are lent to a setter and returned as new references by a getter.
#pragma once
#include <cstdint>

struct ClassRecord;
struct ObjectInstance;
struct StringObject;

enum class PropertyType : uint8_t { Integer, String, Single, Double, Boolean, Color, Object };

struct PropertyDescriptor {
    PropertyDescriptor* next;     // the class's next property
    StringObject* name;
    PropertyType type;
    ClassRecord* objectClass;     // the class of an Object property
    uint32_t getter;              // code address; 0 for none
    uint32_t setter;              // code address; 0 for none
    uint32_t parameter;           // passed to both; a field offset for field accessors
    uint32_t flags;
};

// Appends a property to the class's list and returns it.
PropertyDescriptor* AddProperty(ClassRecord* cls, const char* name, PropertyType type,
                                uint32_t getter, uint32_t setter, uint32_t parameter,
                                ClassRecord* objectClass = nullptr);

// The first property of that name (the runtime's case table) from the
// object's class towards the root; null when the chain has none.
const PropertyDescriptor* FindProperty(const ClassRecord* cls, const StringObject* name);

// The from-text conversion of the property's type, then its setter: how a
// stored description applies one name and value pair. False, and nothing
// set, when the chain has no such property, it has no setter or its type has
// no conversion from text (Single and Double).
bool SetPropertyFromText(ObjectInstance* object, const StringObject* name, StringObject* text);

// The conversion of an Integer (and Color) from text: leading spaces, an
// optional sign, decimal digits up to the first other character, wrapping in
// 32 bits.
int32_t IntegerFromText(const StringObject* text);
// True when the text is "True" in any letter case.
bool BooleanFromText(const StringObject* text);

// The field accessors that properties use for direct access to a field at
// the byte offset given as parameter (code addresses for AddProperty).
// Integer and Color read 32 bits, Boolean one byte, String and Object hold a
// reference; the 16-bit pair serves the windows' size limits.
uint32_t FieldGetterFor(PropertyType type);
uint32_t FieldSetterFor(PropertyType type);
uint32_t Int16FieldGetter();
uint32_t Int16FieldSetter();
