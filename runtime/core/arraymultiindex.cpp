// Multi-index access: compiled code reaches an element of an array of two or
// more dimensions in steps, one call per index, and the cursor in the array
// record remembers how far it got. A write step makes the sub-vectors it
// needs; a read step into nothing stored keeps going with no vector, and the
// final read gives 0 or nil. Every step checks its index against the bound of
// the dimension it is in; a step in the wrong place (more indexes than
// dimensions, or too few before the element) is out of bounds as well.
#include "arrayelements.h"

namespace {

// The first index: only arrays whose elements are sub-vectors take it.
__attribute__((always_inline)) inline bool StartWithin(RuntimeArray* array, int32_t index) {
    return array->dimensionCount >= 2 && IndexWithin(index, array->upperBounds[0]);
}

// A further index, into a dimension that still has one below it.
__attribute__((always_inline)) inline bool StepWithin(RuntimeArray* array, int32_t index) {
    int32_t depth = array->accessDepth;
    return depth >= 1 && depth + 1 < array->dimensionCount &&
           IndexWithin(index, array->upperBounds[depth]);
}

// The last index, into the dimension of the values. At rest a one-dimensional
// array takes it directly.
__attribute__((always_inline)) inline bool LastWithin(RuntimeArray* array, int32_t index) {
    int32_t depth = array->accessDepth;
    return depth == (array->dimensionCount > 1 ? array->dimensionCount - 1 : 0) &&
           IndexWithin(index, array->upperBounds[depth]);
}

template <typename Kind>
__attribute__((always_inline)) inline typename Kind::Value ReadLast(RuntimeArray* array,
                                                                    int32_t index) {
    if (!ArrayIsThere(array, 0)) return Kind::Unstored();
    if (!LastWithin(array, index)) {
        RaiseOutOfBounds();
        return Kind::Unstored();
    }
    ArrayVector* vector = array->accessVector;
    EndAccess(array);
    if (!vector) return Kind::Unstored();
    PrepareVector<Kind>(vector);
    return ReadElement<Kind>(vector, index);
}

template <typename Kind>
__attribute__((always_inline)) inline void WriteLast(RuntimeArray* array, int32_t index,
                                                     typename Kind::Value value) {
    if (!ArrayIsThere(array, 0)) return;
    if (!LastWithin(array, index)) return RaiseOutOfBounds();
    ArrayVector* vector = array->accessVector;
    int32_t upperBound = array->upperBounds[array->accessDepth];
    EndAccess(array);
    // No vector: the steps before were read steps, which make nothing.
    if (!vector) return;
    PrepareVector<Kind>(vector);
    WriteElement<Kind>(vector, index, upperBound, value);
}

} // namespace

extern "C" void RuntimeArrayStartReadAccess(RuntimeArray* array, int32_t index) {
    if (!ArrayIsThere(array, 0)) return;
    if (!StartWithin(array, index)) return RaiseOutOfBounds();
    array->accessDepth = 1;
    array->accessVector = StoredSubVector(&array->storage, index);
}

extern "C" void RuntimeArrayStartWriteAccess(RuntimeArray* array, int32_t index) {
    if (!ArrayIsThere(array, 0)) return;
    if (!StartWithin(array, index)) return RaiseOutOfBounds();
    array->accessDepth = 1;
    array->accessVector = MadeSubVector(&array->storage, index);
}

extern "C" void RuntimeArrayAddReadIndex(RuntimeArray* array, int32_t index) {
    if (!ArrayIsThere(array, 0)) return;
    if (!StepWithin(array, index)) return RaiseOutOfBounds();
    array->accessDepth++;
    if (array->accessVector) array->accessVector = StoredSubVector(array->accessVector, index);
}

extern "C" void RuntimeArrayAddWriteIndex(RuntimeArray* array, int32_t index) {
    if (!ArrayIsThere(array, 0)) return;
    if (!StepWithin(array, index)) return RaiseOutOfBounds();
    array->accessDepth++;
    if (array->accessVector) array->accessVector = MadeSubVector(array->accessVector, index);
}

extern "C" int32_t RuntimeReadIntArray(RuntimeArray* array, int32_t index) {
    return ReadLast<IntElement>(array, index);
}

extern "C" double RuntimeReadSingleArray(RuntimeArray* array, int32_t index) {
    return ReadLast<SingleElement>(array, index);
}

extern "C" double RuntimeReadDoubleArray(RuntimeArray* array, int32_t index) {
    return ReadLast<DoubleElement>(array, index);
}

extern "C" StringObject* RuntimeReadStringArray(RuntimeArray* array, int32_t index) {
    return ReadLast<StringElement>(array, index);
}

extern "C" ObjectInstance* RuntimeReadObjectArray(RuntimeArray* array, int32_t index) {
    return ReadLast<ObjectElement>(array, index);
}

extern "C" void RuntimeWriteIntArray(RuntimeArray* array, int32_t index, int32_t value) {
    WriteLast<IntElement>(array, index, value);
}

extern "C" void RuntimeWriteSingleArray(RuntimeArray* array, int32_t index, double value) {
    WriteLast<SingleElement>(array, index, value);
}

extern "C" void RuntimeWriteDoubleArray(RuntimeArray* array, int32_t index, double value) {
    WriteLast<DoubleElement>(array, index, value);
}

extern "C" void RuntimeWriteStringArray(RuntimeArray* array, int32_t index, StringObject* value) {
    WriteLast<StringElement>(array, index, value);
}

extern "C" void RuntimeWriteObjectArray(RuntimeArray* array, int32_t index, ObjectInstance* value) {
    WriteLast<ObjectElement>(array, index, value);
}
