// Direct access: one index into a one-dimensional array, the way compiled
// code reads and writes most elements. Elements between the stored ones and
// the upper bound read as 0, 0.0, the empty string or nil.
#include "arrayelements.h"

namespace {

// The lines of the null-array reports, per kind; the integer routines have
// no line of their own.
constexpr int kIntLine = 0;
constexpr int kSingleReadLine = 876, kDoubleReadLine = 901, kStringReadLine = 927, kObjectReadLine = 956;
constexpr int kSingleWriteLine = 1006, kDoubleWriteLine = 1036, kStringWriteLine = 1068,
              kObjectWriteLine = 1109;

__attribute__((always_inline)) inline bool DirectIndexWithin(RuntimeArray* array, int32_t index) {
    return HoldsValues(array) && IndexWithin(index, array->upperBounds[0]);
}

template <typename Kind>
__attribute__((always_inline)) inline typename Kind::Value DirectRead(RuntimeArray* array,
                                                                      int32_t index, int line) {
    if (!ArrayIsThere(array, line)) return Kind::Unstored();
    if (!DirectIndexWithin(array, index)) {
        RaiseOutOfBounds();
        return Kind::Unstored();
    }
    PrepareVector<Kind>(&array->storage);
    return ReadElement<Kind>(&array->storage, index);
}

template <typename Kind>
__attribute__((always_inline)) inline void DirectWrite(RuntimeArray* array, int32_t index,
                                                       typename Kind::Value value, int line) {
    if (!ArrayIsThere(array, line)) return;
    if (!DirectIndexWithin(array, index)) return RaiseOutOfBounds();
    PrepareVector<Kind>(&array->storage);
    WriteElement<Kind>(&array->storage, index, array->upperBounds[0], value);
}

} // namespace

extern "C" int32_t RuntimeDirectReadIntArray(RuntimeArray* array, int32_t index) {
    return DirectRead<IntElement>(array, index, kIntLine);
}

extern "C" double RuntimeDirectReadSingleArray(RuntimeArray* array, int32_t index) {
    return DirectRead<SingleElement>(array, index, kSingleReadLine);
}

extern "C" double RuntimeDirectReadDoubleArray(RuntimeArray* array, int32_t index) {
    return DirectRead<DoubleElement>(array, index, kDoubleReadLine);
}

extern "C" StringObject* RuntimeDirectReadStringArray(RuntimeArray* array, int32_t index) {
    return DirectRead<StringElement>(array, index, kStringReadLine);
}

extern "C" ObjectInstance* RuntimeDirectReadObjectArray(RuntimeArray* array, int32_t index) {
    return DirectRead<ObjectElement>(array, index, kObjectReadLine);
}

extern "C" void RuntimeDirectWriteIntArray(RuntimeArray* array, int32_t index, int32_t value) {
    DirectWrite<IntElement>(array, index, value, kIntLine);
}

extern "C" void RuntimeDirectWriteSingleArray(RuntimeArray* array, int32_t index, double value) {
    DirectWrite<SingleElement>(array, index, value, kSingleWriteLine);
}

extern "C" void RuntimeDirectWriteDoubleArray(RuntimeArray* array, int32_t index, double value) {
    DirectWrite<DoubleElement>(array, index, value, kDoubleWriteLine);
}

extern "C" void RuntimeDirectWriteStringArray(RuntimeArray* array, int32_t index, StringObject* value) {
    DirectWrite<StringElement>(array, index, value, kStringWriteLine);
}

extern "C" void RuntimeDirectWriteObjectArray(RuntimeArray* array, int32_t index,
                                              ObjectInstance* value) {
    DirectWrite<ObjectElement>(array, index, value, kObjectWriteLine);
}
