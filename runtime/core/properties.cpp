// Class properties, their from-text conversions and the field accessors.
#include "properties.h"
#include "objects.h"
#include "casetable.h"
#include "compiledcalls.h"
#include "string.h"
#include "utility.h"

namespace {

uint8_t* FieldOf(ObjectInstance* object, uint32_t offset) {
    return reinterpret_cast<uint8_t*>(object) + offset;
}

int32_t IntegerFieldGetter(ObjectInstance* object, uint32_t offset) {
    return *reinterpret_cast<int32_t*>(FieldOf(object, offset));
}
void IntegerFieldSetter(ObjectInstance* object, uint32_t offset, int32_t value) {
    *reinterpret_cast<int32_t*>(FieldOf(object, offset)) = value;
}
uint32_t BooleanFieldGetter(ObjectInstance* object, uint32_t offset) {
    return *FieldOf(object, offset) != 0;
}
void BooleanFieldSetter(ObjectInstance* object, uint32_t offset, uint32_t value) {
    *FieldOf(object, offset) = (value & 0xFF) != 0;
}
int32_t ShortFieldGetter(ObjectInstance* object, uint32_t offset) {
    return *reinterpret_cast<int16_t*>(FieldOf(object, offset));
}
void ShortFieldSetter(ObjectInstance* object, uint32_t offset, int32_t value) {
    *reinterpret_cast<int16_t*>(FieldOf(object, offset)) = static_cast<int16_t>(value);
}

template <typename T>
uint32_t Address(T routine) { return reinterpret_cast<uint32_t>(routine); }

// A converted value and how to let it go once the setter has it.
struct Converted {
    uint32_t value;
    void (*release)(uint32_t value);
};

void ReleaseString(uint32_t value) { RuntimeUnlockString(reinterpret_cast<StringObject*>(value)); }
void ReleaseObject(uint32_t value) { UnlockObject(reinterpret_cast<ObjectInstance*>(value)); }

bool ConvertFromText(PropertyType type, StringObject* text, Converted* out) {
    switch (type) {
    case PropertyType::Integer:
    case PropertyType::Color:
        *out = {static_cast<uint32_t>(IntegerFromText(text)), nullptr};
        return true;
    case PropertyType::Boolean: *out = {BooleanFromText(text) ? 1u : 0u, nullptr}; return true;
    case PropertyType::String:
        RuntimeLockString(text);
        *out = {reinterpret_cast<uint32_t>(text), &ReleaseString};
        return true;
    case PropertyType::Object:
        *out = {reinterpret_cast<uint32_t>(RuntimeProjectObject(IntegerFromText(text))), &ReleaseObject};
        return true;
    default: return false;
    }
}

} // namespace

PropertyDescriptor* AddProperty(ClassRecord* cls, const char* name, PropertyType type,
                                uint32_t getter, uint32_t setter, uint32_t parameter,
                                ClassRecord* objectClass) {
    PropertyDescriptor* property =
        static_cast<PropertyDescriptor*>(NewRuntimeRecord(sizeof(PropertyDescriptor)));
    *property = PropertyDescriptor{nullptr, NewStringFromText(name), type, objectClass,
                                   getter, setter, parameter, 0};
    PropertyDescriptor** link = &cls->properties;
    while (*link) link = &(*link)->next;
    *link = property;
    return property;
}

const PropertyDescriptor* FindProperty(const ClassRecord* cls, const StringObject* name) {
    for (; cls; cls = cls->superclass)
        for (const PropertyDescriptor* p = cls->properties; p; p = p->next)
            if (CaseTableEqual(StringText(p->name), StringLength(p->name), StringText(name),
                               StringLength(name)))
                return p;
    return nullptr;
}

bool SetPropertyFromText(ObjectInstance* object, const StringObject* name, StringObject* text) {
    const PropertyDescriptor* property = FindProperty(object->cls, name);
    Converted value;
    if (!property || !property->setter || !ConvertFromText(property->type, text, &value)) return false;
    CallCompiled(property->setter, object, property->parameter, value.value);
    if (value.release) value.release(value.value);
    return true;
}

int32_t IntegerFromText(const StringObject* text) {
    const char* at = StringText(text);
    while (*at == ' ') at++;
    bool negative = *at == '-';
    if (*at == '-' || *at == '+') at++;
    uint32_t value = 0;
    for (; *at >= '0' && *at <= '9'; at++) value = value * 10 + static_cast<uint32_t>(*at - '0');
    return static_cast<int32_t>(negative ? 0u - value : value);
}

bool BooleanFromText(const StringObject* text) {
    return CaseTableEqual(StringText(text), StringLength(text), "True", 4);
}

uint32_t FieldGetterFor(PropertyType type) {
    switch (type) {
    case PropertyType::Boolean: return Address(&BooleanFieldGetter);
    case PropertyType::String: return Address(&stringGetter);
    case PropertyType::Object: return Address(&objGetter);
    default: return Address(&IntegerFieldGetter);
    }
}

uint32_t FieldSetterFor(PropertyType type) {
    switch (type) {
    case PropertyType::Boolean: return Address(&BooleanFieldSetter);
    case PropertyType::String: return Address(&stringSetter);
    case PropertyType::Object: return Address(&objSetter);
    default: return Address(&IntegerFieldSetter);
    }
}

uint32_t Int16FieldGetter() { return Address(&ShortFieldGetter); }
uint32_t Int16FieldSetter() { return Address(&ShortFieldSetter); }
