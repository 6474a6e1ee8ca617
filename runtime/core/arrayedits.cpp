// Append, insert and remove: the routines that move the first dimension's
// upper bound by one. They apply to one-dimensional arrays; an array that has
// no dimension yet gains its first with its first element.
#include "arrayelements.h"

namespace {

// A bound that cannot grow belongs to a vector that no block could hold.
inline void MakeRoomForOneMore(RuntimeArray* array) {
    if (array->upperBounds[0] == INT32_MAX) VectorTooLarge();
}

// The vector is sized to exactly the new bound + 1 elements (it never holds
// more than the old bound + 1); its capacity grows ahead, so an append costs
// no copy of the elements before it.
template <typename Kind>
__attribute__((always_inline)) inline void Append(RuntimeArray* array, typename Kind::Value value) {
    if (!ArrayIsThere(array, 0)) return;
    if (!HoldsValues(array)) return RaiseOutOfBounds();
    MakeRoomForOneMore(array);
    if (array->dimensionCount == 0) array->dimensionCount = 1;
    PrepareVector<Kind>(&array->storage);
    int32_t last = array->upperBounds[0] + 1;
    GrowVector(&array->storage, int64_t(last) + 1);
    array->upperBounds[0] = last;
    Kind::Write(VectorSlot(&array->storage, last), value);
}

template <typename Kind>
__attribute__((always_inline)) inline void Insert(RuntimeArray* array, int32_t index,
                                                  typename Kind::Value value) {
    if (!ArrayIsThere(array, 0)) return;
    if (!HoldsValues(array) || !IndexWithin(index, array->upperBounds[0])) return RaiseOutOfBounds();
    MakeRoomForOneMore(array);
    PrepareVector<Kind>(&array->storage);
    GrowVector(&array->storage, int64_t(index) + 1);
    InsertVectorSlot(&array->storage, index);
    array->upperBounds[0]++;
    Kind::Write(VectorSlot(&array->storage, index), value);
}

// An element beyond the stored ones has nothing to release: only the bound
// moves.
template <typename Kind>
__attribute__((always_inline)) inline void Remove(RuntimeArray* array, int32_t index) {
    if (!ArrayIsThere(array, 0)) return;
    if (!HoldsValues(array) || !IndexWithin(index, array->upperBounds[0])) return RaiseOutOfBounds();
    array->upperBounds[0]--;
    if (index < array->storage.count) RemoveVectorElement(&array->storage, index, Kind::kRelease);
}

} // namespace

extern "C" void RuntimeIntArrayAppend(RuntimeArray* array, int32_t value) {
    Append<IntElement>(array, value);
}

extern "C" void RuntimeSingleArrayAppend(RuntimeArray* array, double value) {
    Append<SingleElement>(array, value);
}

extern "C" void RuntimeDoubleArrayAppend(RuntimeArray* array, double value) {
    Append<DoubleElement>(array, value);
}

extern "C" void RuntimeStringArrayAppend(RuntimeArray* array, StringObject* value) {
    Append<StringElement>(array, value);
}

extern "C" void RuntimeObjectArrayAppend(RuntimeArray* array, ObjectInstance* value) {
    Append<ObjectElement>(array, value);
}

extern "C" void RuntimeIntArrayInsert(RuntimeArray* array, int32_t index, int32_t value) {
    Insert<IntElement>(array, index, value);
}

extern "C" void RuntimeSingleArrayInsert(RuntimeArray* array, int32_t index, double value) {
    Insert<SingleElement>(array, index, value);
}

extern "C" void RuntimeDoubleArrayInsert(RuntimeArray* array, int32_t index, double value) {
    Insert<DoubleElement>(array, index, value);
}

extern "C" void RuntimeStringArrayInsert(RuntimeArray* array, int32_t index, StringObject* value) {
    Insert<StringElement>(array, index, value);
}

extern "C" void RuntimeObjectArrayInsert(RuntimeArray* array, int32_t index, ObjectInstance* value) {
    Insert<ObjectElement>(array, index, value);
}

// Single- and double-precision arrays are removed from as integer arrays
// are: the vector knows its element size.
extern "C" void RuntimeIntArrayRemove(RuntimeArray* array, int32_t index) {
    Remove<IntElement>(array, index);
}

extern "C" void RuntimeStringArrayRemove(RuntimeArray* array, int32_t index) {
    Remove<StringElement>(array, index);
}

extern "C" void RuntimeObjectArrayRemove(RuntimeArray* array, int32_t index) {
    Remove<ObjectElement>(array, index);
}
