// Direct field accessors. A Boolean or byte field reads as 0 or its byte, a
// 16-bit field sign-extended.
#include "fieldproperties.h"

namespace {

template <typename T>
T& FieldAt(void* object, uint32_t offset) {
    return *reinterpret_cast<T*>(static_cast<uint8_t*>(object) + offset);
}

} // namespace

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
