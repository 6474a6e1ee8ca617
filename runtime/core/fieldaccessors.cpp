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

// Reads a field as a new reference.
template <typename T, typename Lock>
T* GetField(ObjectInstance* object, uint32_t offset, Lock lock) {
    T* value = *FieldAt<T>(object, offset);
    lock(value);
    return value;
}

// The new value is locked before the old one is released: storing the value
// a field already holds must not free it on the way.
template <typename T, typename Lock, typename Unlock>
void SetField(ObjectInstance* object, uint32_t offset, T* value, Lock lock, Unlock unlock) {
    T** field = FieldAt<T>(object, offset);
    T* old = *field;
    lock(value);
    *field = value;
    unlock(old);
}

} // namespace

extern "C" StringObject* stringGetter(ObjectInstance* object, uint32_t offset) {
    return GetField<StringObject>(object, offset, RuntimeLockString);
}

extern "C" void stringSetter(ObjectInstance* object, uint32_t offset, StringObject* value) {
    SetField(object, offset, value, RuntimeLockString, RuntimeUnlockString);
}

extern "C" ObjectInstance* objGetter(ObjectInstance* object, uint32_t offset) {
    return GetField<ObjectInstance>(object, offset, LockObject);
}

extern "C" void objSetter(ObjectInstance* object, uint32_t offset, ObjectInstance* value) {
    SetField(object, offset, value, LockObject, UnlockObject);
}
