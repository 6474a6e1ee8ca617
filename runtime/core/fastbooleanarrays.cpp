// Fast boolean arrays: one block with the element count in its first word and
// one byte per element after it. Growing leaves room ahead in the block, so
// that appending one element at a time does not copy the block every time.
#include "arrays.h"
#include "utility.h"
#include <cstring>

namespace {

constexpr uint32_t kCountSize = 4;

int32_t CountOf(const FastBooleanArray* array) {
    int32_t count;
    memcpy(&count, array->block.data, sizeof count);
    return count;
}

uint8_t* Elements(FastBooleanArray* array) { return array->block.data + kCountSize; }

// Sets the count, making room for it; elements that come into range are 0.
void SetCount(FastBooleanArray* array, int32_t count, bool leaveRoom) {
    uint32_t needed = kCountSize + static_cast<uint32_t>(count);
    if (needed > array->block.size) {
        uint32_t size = leaveRoom ? array->block.size + array->block.size / 2 + 16 : needed;
        ResizeBlock(&array->block, size > needed ? size : needed);
    }
    int32_t old = CountOf(array);
    if (count > old) memset(Elements(array) + old, 0, count - old);
    memcpy(array->block.data, &count, sizeof count);
}

// The element moves of insert and remove, from index on.
void OpenAt(FastBooleanArray* array, int32_t index) {
    int32_t count = CountOf(array);
    SetCount(array, count + 1, true);
    memmove(Elements(array) + index + 1, Elements(array) + index, count - index);
}

void CloseAt(FastBooleanArray* array, int32_t index) {
    int32_t count = CountOf(array);
    memmove(Elements(array) + index, Elements(array) + index + 1, count - 1 - index);
    SetCount(array, count - 1, false);
}

// A count that no block could hold: memory has run out.
void CheckCanGrowTo(int64_t count) {
    if (count > INT32_MAX - int64_t(kCountSize)) VectorTooLarge();
}

} // namespace

// An upper bound below -1 makes an empty array.
extern "C" FastBooleanArray* RuntimeCreateFastBooleanArray(int32_t upperBound) {
    int64_t count = upperBound < -1 ? 0 : int64_t(upperBound) + 1;
    CheckCanGrowTo(count);
    FastBooleanArray* array =
        static_cast<FastBooleanArray*>(NewRuntimeRecord(sizeof(FastBooleanArray)));
    array->block = ResizableBlock{nullptr, 0};
    ResizeBlock(&array->block, kCountSize);
    SetCount(array, static_cast<int32_t>(count), false);
    return array;
}

extern "C" void RuntimeDisposeFastBooleanArray(FastBooleanArray* array) {
    if (!array) return;
    FreeBlock(&array->block);
    DeleteRuntimeRecord(array);
}

extern "C" int32_t RuntimeFastArrayUBound(FastBooleanArray* array) {
    if (!ArrayIsThere(array, 0)) return -1;
    return CountOf(array) - 1;
}

extern "C" int32_t RuntimeFastReadBoolArray(FastBooleanArray* array, int32_t index) {
    if (!ArrayIsThere(array, 0)) return 0;
    if (!IndexWithin(index, CountOf(array) - 1)) {
        RaiseOutOfBounds();
        return 0;
    }
    return Elements(array)[index];
}

extern "C" void RuntimeFastWriteBoolArray(FastBooleanArray* array, int32_t index, int32_t value) {
    if (!ArrayIsThere(array, 0)) return;
    if (!IndexWithin(index, CountOf(array) - 1)) return RaiseOutOfBounds();
    Elements(array)[index] = value != 0;
}

extern "C" void RuntimeFastBooleanArrayAppend(FastBooleanArray* array, int32_t value) {
    if (!ArrayIsThere(array, 0)) return;
    int32_t count = CountOf(array);
    CheckCanGrowTo(int64_t(count) + 1);
    SetCount(array, count + 1, true);
    Elements(array)[count] = value != 0;
}

// The index may also be the upper bound + 1, which appends.
extern "C" void RuntimeFastBooleanArrayInsert(FastBooleanArray* array, int32_t index, int32_t value) {
    if (!ArrayIsThere(array, 0)) return;
    int32_t count = CountOf(array);
    if (!IndexWithin(index, count)) return RaiseOutOfBounds();
    CheckCanGrowTo(int64_t(count) + 1);
    OpenAt(array, index);
    Elements(array)[index] = value != 0;
}

extern "C" void RuntimeFastBooleanArrayRemove(FastBooleanArray* array, int32_t index) {
    if (!ArrayIsThere(array, 0)) return;
    if (!IndexWithin(index, CountOf(array) - 1)) return RaiseOutOfBounds();
    CloseAt(array, index);
}

// Resizes to exactly the new bound + 1 elements; new elements are 0.
extern "C" void RuntimeRedimFastBoolArray(FastBooleanArray* array, int32_t upperBound) {
    if (!ArrayIsThere(array, 0)) return;
    int64_t count = upperBound < -1 ? 0 : int64_t(upperBound) + 1;
    CheckCanGrowTo(count);
    SetCount(array, static_cast<int32_t>(count), false);
    // A smaller array gives back the room it no longer needs.
    uint32_t needed = kCountSize + static_cast<uint32_t>(count);
    if (array->block.size > needed) ResizeBlock(&array->block, needed);
}
