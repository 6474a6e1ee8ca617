// Direct field access. Strings and objects go through the runtime's generic
// field accessors, which keep one reference to the stored value; Boolean
// fields are one byte; Single and Double fields are read and written as
// what they are, so that their values come back on the FPU stack as callers
// of floating-point accessors expect; every other type is a 32-bit field.
#include "directaccess.h"
#include "plugincontrols.h"
#include "core/objects.h"
#include "core/string.h"
#include "core/win32exception.h"
#include <cstring>

namespace {

template <typename T>
T* Field(ObjectInstance* object, uint32_t offset) {
    if (!object) RaiseBuiltinException(BuiltinException::NilObject);
    return reinterpret_cast<T*>(reinterpret_cast<uint8_t*>(object) + offset);
}

template <typename T>
T GetField(ObjectInstance* object, uint32_t offset) {
    return *Field<T>(object, offset);
}

template <typename T>
void SetField(ObjectInstance* object, uint32_t offset, T value) {
    *Field<T>(object, offset) = value;
}

template <typename T>
void SetFieldRedrawing(ObjectInstance* object, uint32_t offset, T value) {
    *Field<T>(object, offset) = value;
    OPALInvalidateControl(object);
}

void SetStringRedrawing(ObjectInstance* object, uint32_t offset, StringObject* value) {
    stringSetter(object, offset, value);
    OPALInvalidateControl(object);
}

void SetObjectRedrawing(ObjectInstance* object, uint32_t offset, ObjectInstance* value) {
    objSetter(object, offset, value);
    OPALInvalidateControl(object);
}

template <typename F>
void* Routine(F f) { return reinterpret_cast<void*>(f); }

} // namespace

void* DirectGetter(const PluginType& type) {
    switch (type.kind) {
    case BuiltinType::String: return Routine(&stringGetter);
    case BuiltinType::Object: return Routine(&objGetter);
    case BuiltinType::Boolean: return Routine(&GetField<uint8_t>);
    case BuiltinType::Single: return Routine(&GetField<float>);
    case BuiltinType::Double: return Routine(&GetField<double>);
    default: return Routine(&GetField<int32_t>);
    }
}

void* DirectSetter(const PluginType& type, bool redraws) {
    switch (type.kind) {
    case BuiltinType::String: return redraws ? Routine(&SetStringRedrawing) : Routine(&stringSetter);
    case BuiltinType::Object: return redraws ? Routine(&SetObjectRedrawing) : Routine(&objSetter);
    case BuiltinType::Boolean:
        return redraws ? Routine(&SetFieldRedrawing<uint8_t>) : Routine(&SetField<uint8_t>);
    case BuiltinType::Single:
        return redraws ? Routine(&SetFieldRedrawing<float>) : Routine(&SetField<float>);
    case BuiltinType::Double:
        return redraws ? Routine(&SetFieldRedrawing<double>) : Routine(&SetField<double>);
    default:
        return redraws ? Routine(&SetFieldRedrawing<int32_t>) : Routine(&SetField<int32_t>);
    }
}
