// Sorting the first dimension of a one-dimensional array in ascending order.
// Elements not stored yet take part as 0, 0.0 or the empty string: the vector
// is first grown to the whole bound. The order of equal elements is not
// defined, but the sort is a merge sort, which stays within the vector
// whatever the comparison says (a locale order need not be consistent).
#include "arrayelements.h"
#include "stringroutines.h"
#include <algorithm>
#include <cmath>

namespace {

bool IntBefore(int32_t a, int32_t b) { return a < b; }

// NaN, which compares with nothing, goes after every number.
bool SingleBefore(float a, float b) { return std::isnan(b) ? !std::isnan(a) : a < b; }
bool DoubleBefore(double a, double b) { return std::isnan(b) ? !std::isnan(a) : a < b; }

// The user's locale order, with case.
bool StringBefore(StringObject* a, StringObject* b) { return StringStrCompare(a, b, 1) < 0; }

template <typename Kind, typename Stored>
void SortFirstDimension(RuntimeArray* array, bool (*before)(Stored, Stored)) {
    if (!ArrayIsThere(array, 0) || !HoldsValues(array)) return;
    ArrayVector* vector = &array->storage;
    PrepareVector<Kind>(vector);
    GrowVector(vector, int64_t(array->upperBounds[0]) + 1);
    Stored* first = reinterpret_cast<Stored*>(vector->block.data);
    std::stable_sort(first, first + vector->count, before);
}

} // namespace

extern "C" void RuntimeIntArraySort(RuntimeArray* array) {
    SortFirstDimension<IntElement, int32_t>(array, IntBefore);
}

extern "C" void RuntimeSingleArraySort(RuntimeArray* array) {
    SortFirstDimension<SingleElement, float>(array, SingleBefore);
}

extern "C" void RuntimeDoubleArraySort(RuntimeArray* array) {
    SortFirstDimension<DoubleElement, double>(array, DoubleBefore);
}

extern "C" void RuntimeStringArraySort(RuntimeArray* array) {
    SortFirstDimension<StringElement, StringObject*>(array, StringBefore);
}
