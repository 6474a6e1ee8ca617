// Array records: creation, dimensions and their bounds, redim and disposal.
// The elements themselves are read and written in arraydirectaccess.cpp and
// arraymultiindex.cpp, appended, inserted and removed in arrayedits.cpp.
#include "arrays.h"
#include "failedassertion.h"
#include "utility.h"

namespace {

constexpr int kAddIndexLine = 197;

// The vectors of a dimension are spread over the tree of sub-vectors: every
// vector reached through depth indexes.
void CutDimension(ArrayVector* vector, int32_t depth, int32_t count, ElementRelease release,
                  int32_t levelsBelow) {
    if (depth == 0) return CutVector(vector, count, release, levelsBelow);
    for (int32_t i = 0; i < vector->count; i++) {
        if (ArrayVector* sub = StoredSubVector(vector, i))
            CutDimension(sub, depth - 1, count, release, levelsBelow);
    }
}

// Sets the dimension's bound; what lies beyond a lower bound is released and
// the dimension's vectors are cut to it. A bound below -1 is -1, so that no
// later append or insert can reach a negative index.
__attribute__((always_inline)) inline void RedimLevel(RuntimeArray* array, int32_t dimension,
                                                      int32_t upperBound, ElementRelease release) {
    if (!ArrayIsThere(array, 0)) return;
    if (!IndexWithin(dimension, array->dimensionCount - 1)) return RaiseOutOfBounds();
    if (upperBound < -1) upperBound = -1;
    EndAccess(array);
    array->upperBounds[dimension] = upperBound;
    CutDimension(&array->storage, dimension, upperBound + 1, release,
                 array->dimensionCount - 1 - dimension);
}

void DisposeArray(RuntimeArray* array, ElementRelease release) {
    if (!array) return;
    int32_t levelsBelow = array->dimensionCount > 1 ? array->dimensionCount - 1 : 0;
    EmptyVector(&array->storage, release, levelsBelow);
    DeleteRuntimeRecord(array);
}

} // namespace

bool ArrayIsThere(const void* array, int line) {
    if (array) return true;
    FailedAssertion(0, 4, "commonruntime", line);
    return false;
}

extern "C" RuntimeArray* RuntimeCreateArray() {
    RuntimeArray* array = static_cast<RuntimeArray*>(NewRuntimeRecord(sizeof(RuntimeArray)));
    InitVector(&array->storage);
    array->dimensionCount = 0;
    for (int32_t& bound : array->upperBounds) bound = -1;
    EndAccess(array);
    return array;
}

// The compiler never adds more than 20 dimensions; a 21st is reported and
// left out rather than written past the bounds.
extern "C" void RuntimeArrayCreateAddIndex(RuntimeArray* array, int32_t lower, int32_t upper) {
    if (!ArrayIsThere(array, kAddIndexLine)) return;
    if (array->dimensionCount == kMaxDimensions) return FailedAssertion(0, 4, "commonruntime", kAddIndexLine);
    int64_t bound = int64_t(upper) - lower;
    if (bound < -1) bound = -1;
    if (bound > INT32_MAX) bound = INT32_MAX;
    array->upperBounds[array->dimensionCount++] = static_cast<int32_t>(bound);
}

extern "C" int32_t RuntimeUBound(RuntimeArray* array) {
    if (!ArrayIsThere(array, 0)) return -1;
    return array->upperBounds[0];
}

extern "C" void RuntimeRedimIntArrayLevel(RuntimeArray* array, int32_t dimension, int32_t upperBound) {
    RedimLevel(array, dimension, upperBound, ElementRelease::None);
}

extern "C" void RuntimeRedimStringArrayLevel(RuntimeArray* array, int32_t dimension, int32_t upperBound) {
    RedimLevel(array, dimension, upperBound, ElementRelease::String);
}

extern "C" void RuntimeRedimObjectArrayLevel(RuntimeArray* array, int32_t dimension, int32_t upperBound) {
    RedimLevel(array, dimension, upperBound, ElementRelease::Object);
}

extern "C" void RuntimeDisposeIntArray(RuntimeArray* array) { DisposeArray(array, ElementRelease::None); }

extern "C" void RuntimeDisposeStringArray(RuntimeArray* array) {
    DisposeArray(array, ElementRelease::String);
}

extern "C" void RuntimeDisposeObjectArray(RuntimeArray* array) {
    DisposeArray(array, ElementRelease::Object);
}
