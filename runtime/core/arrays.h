// Runtime arrays: zero-based, growable arrays of integers, single- and
// double-precision numbers, strings and objects with up to 20 dimensions, and
// the compact fast boolean arrays. An array does not know its element kind:
// compiled code calls the routine of the right kind, and the kind decides how
// elements are copied, released and compared.
#pragma once
#include "arrayvectors.h"
#include "win32exception.h"
#include <cstdint>

struct StringObject;
struct ObjectInstance;

constexpr int32_t kMaxDimensions = 20;

// An array belongs to the variable or field that holds it; it has no
// reference count. Upper bounds of dimensions not added yet are -1.
struct RuntimeArray {
    ArrayVector storage;                   // the elements of the first dimension
    int32_t dimensionCount;
    int32_t upperBounds[kMaxDimensions];   // the first is the array's UBound
    // The cursor of a multi-index access: how many indexes have been taken
    // and the vector they lead to (null where a read met nothing stored).
    // At rest it is 0 and the storage vector.
    int32_t accessDepth;
    ArrayVector* accessVector;
};

// A fast boolean array: one block holding a 32-bit count (upper bound + 1)
// and then one byte, 0 or 1, per element; the block may hold room for more.
struct FastBooleanArray {
    ResizableBlock block;
};

// Reports a null array as failed assertion 4 of commonruntime at that line;
// the routine then does nothing.
bool ArrayIsThere(const void* array, int line);

inline bool IndexWithin(int32_t index, int32_t upperBound) {
    return index >= 0 && index <= upperBound;
}

// Every bad index raises through here. It is inlined into the entry point
// that found the index, so that the raise starts in that routine's own frame
// and finds its caller's arguments where the caller put them.
__attribute__((always_inline)) inline void RaiseOutOfBounds() {
    RaiseBuiltinException(BuiltinException::OutOfBounds);
}

// Whether the routines that treat the first dimension as values (direct
// access, append, insert, remove, sort) apply: in an array of more than one
// dimension its elements are sub-vectors.
inline bool HoldsValues(const RuntimeArray* array) { return array->dimensionCount <= 1; }

// Back to rest: nothing else may keep a vector that is about to change shape.
inline void EndAccess(RuntimeArray* array) {
    array->accessDepth = 0;
    array->accessVector = &array->storage;
}

extern "C" {
RuntimeArray* RuntimeCreateArray();
void RuntimeArrayCreateAddIndex(RuntimeArray* array, int32_t lower, int32_t upper);
int32_t RuntimeUBound(RuntimeArray* array);

int32_t RuntimeDirectReadIntArray(RuntimeArray* array, int32_t index);
double RuntimeDirectReadSingleArray(RuntimeArray* array, int32_t index);
double RuntimeDirectReadDoubleArray(RuntimeArray* array, int32_t index);
StringObject* RuntimeDirectReadStringArray(RuntimeArray* array, int32_t index);
ObjectInstance* RuntimeDirectReadObjectArray(RuntimeArray* array, int32_t index);
void RuntimeDirectWriteIntArray(RuntimeArray* array, int32_t index, int32_t value);
void RuntimeDirectWriteSingleArray(RuntimeArray* array, int32_t index, double value);
void RuntimeDirectWriteDoubleArray(RuntimeArray* array, int32_t index, double value);
void RuntimeDirectWriteStringArray(RuntimeArray* array, int32_t index, StringObject* value);
void RuntimeDirectWriteObjectArray(RuntimeArray* array, int32_t index, ObjectInstance* value);

void RuntimeIntArrayAppend(RuntimeArray* array, int32_t value);
void RuntimeSingleArrayAppend(RuntimeArray* array, double value);
void RuntimeDoubleArrayAppend(RuntimeArray* array, double value);
void RuntimeStringArrayAppend(RuntimeArray* array, StringObject* value);
void RuntimeObjectArrayAppend(RuntimeArray* array, ObjectInstance* value);
void RuntimeIntArrayInsert(RuntimeArray* array, int32_t index, int32_t value);
void RuntimeSingleArrayInsert(RuntimeArray* array, int32_t index, double value);
void RuntimeDoubleArrayInsert(RuntimeArray* array, int32_t index, double value);
void RuntimeStringArrayInsert(RuntimeArray* array, int32_t index, StringObject* value);
void RuntimeObjectArrayInsert(RuntimeArray* array, int32_t index, ObjectInstance* value);
void RuntimeIntArrayRemove(RuntimeArray* array, int32_t index);
void RuntimeStringArrayRemove(RuntimeArray* array, int32_t index);
void RuntimeObjectArrayRemove(RuntimeArray* array, int32_t index);

void RuntimeIntArraySort(RuntimeArray* array);
void RuntimeSingleArraySort(RuntimeArray* array);
void RuntimeDoubleArraySort(RuntimeArray* array);
void RuntimeStringArraySort(RuntimeArray* array);

// dimension counts from 0 for the first.
void RuntimeRedimIntArrayLevel(RuntimeArray* array, int32_t dimension, int32_t upperBound);
void RuntimeRedimStringArrayLevel(RuntimeArray* array, int32_t dimension, int32_t upperBound);
void RuntimeRedimObjectArrayLevel(RuntimeArray* array, int32_t dimension, int32_t upperBound);
void RuntimeDisposeIntArray(RuntimeArray* array);
void RuntimeDisposeStringArray(RuntimeArray* array);
void RuntimeDisposeObjectArray(RuntimeArray* array);

void RuntimeArrayStartReadAccess(RuntimeArray* array, int32_t index);
void RuntimeArrayStartWriteAccess(RuntimeArray* array, int32_t index);
void RuntimeArrayAddReadIndex(RuntimeArray* array, int32_t index);
void RuntimeArrayAddWriteIndex(RuntimeArray* array, int32_t index);
int32_t RuntimeReadIntArray(RuntimeArray* array, int32_t index);
double RuntimeReadSingleArray(RuntimeArray* array, int32_t index);
double RuntimeReadDoubleArray(RuntimeArray* array, int32_t index);
StringObject* RuntimeReadStringArray(RuntimeArray* array, int32_t index);
ObjectInstance* RuntimeReadObjectArray(RuntimeArray* array, int32_t index);
void RuntimeWriteIntArray(RuntimeArray* array, int32_t index, int32_t value);
void RuntimeWriteSingleArray(RuntimeArray* array, int32_t index, double value);
void RuntimeWriteDoubleArray(RuntimeArray* array, int32_t index, double value);
void RuntimeWriteStringArray(RuntimeArray* array, int32_t index, StringObject* value);
void RuntimeWriteObjectArray(RuntimeArray* array, int32_t index, ObjectInstance* value);

FastBooleanArray* RuntimeCreateFastBooleanArray(int32_t upperBound);
void RuntimeDisposeFastBooleanArray(FastBooleanArray* array);
int32_t RuntimeFastArrayUBound(FastBooleanArray* array);
int32_t RuntimeFastReadBoolArray(FastBooleanArray* array, int32_t index);
void RuntimeFastWriteBoolArray(FastBooleanArray* array, int32_t index, int32_t value);
void RuntimeFastBooleanArrayAppend(FastBooleanArray* array, int32_t value);
void RuntimeFastBooleanArrayInsert(FastBooleanArray* array, int32_t index, int32_t value);
void RuntimeFastBooleanArrayRemove(FastBooleanArray* array, int32_t index);
void RuntimeRedimFastBoolArray(FastBooleanArray* array, int32_t upperBound);
}
