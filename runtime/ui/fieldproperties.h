// Direct field accessors for the properties of built-in classes that only
// store their value: the property parameter is the field's byte offset in
// the receiver. String and object fields use stringGetter/stringSetter and
// objGetter/objSetter.
#pragma once
#include <cstdint>

extern "C" {
uint32_t FieldByteGetter(void* object, uint32_t offset);
void FieldByteSetter(void* object, uint32_t offset, uint32_t value);
uint32_t FieldShortGetter(void* object, uint32_t offset);
void FieldShortSetter(void* object, uint32_t offset, uint32_t value);
uint32_t FieldLongGetter(void* object, uint32_t offset);
void FieldLongSetter(void* object, uint32_t offset, uint32_t value);
}
