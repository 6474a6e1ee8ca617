// The generic field accessors: compiled code reads and writes string and
// object fields of its classes through them, passing the field's byte offset
// as the property parameter. A field holds one reference to its value.
#include "objects.h"
#include "string.h"
#include "win32exception.h"
#include <cstring>

namespace {

template <typename T>
T** FieldAt(ObjectInstance* object, uint32_t offset) {
    if (!object) RaiseBuiltinException(BuiltinException::NilObject);
    return reinterpret_cast<T**>(reinterpret_cast<uint8_t*>(object) + offset);
}

} // namespace

extern "C" StringObject* stringGetter(ObjectInstance* object, uint32_t offset) {
    StringObject* value = *FieldAt<StringObject>(object, offset);
    RuntimeLockString(value);
    return value;
}

// The new value is locked before the old one is released: storing the value
// a field already holds must not free it on the way.
extern "C" void stringSetter(ObjectInstance* object, uint32_t offset, StringObject* value) {
    StringObject** field = FieldAt<StringObject>(object, offset);
    StringObject* old = *field;
    RuntimeLockString(value);
    *field = value;
    RuntimeUnlockString(old);
}

extern "C" ObjectInstance* objGetter(ObjectInstance* object, uint32_t offset) {
    ObjectInstance* value = *FieldAt<ObjectInstance>(object, offset);
    LockObject(value);
    return value;
}

extern "C" void objSetter(ObjectInstance* object, uint32_t offset, ObjectInstance* value) {
    ObjectInstance** field = FieldAt<ObjectInstance>(object, offset);
    ObjectInstance* old = *field;
    LockObject(value);
    *field = value;
    UnlockObject(old);
}
