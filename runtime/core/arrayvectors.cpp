// Storage vectors and their resizable blocks. The array routines check every
// index against the array's bounds before they get here; the checks in this
// file guard the vectors' own consistency and report, never raise.
#include "arrayvectors.h"
#include "failedassertion.h"
#include "objects.h"
#include "string.h"
#include "utility.h"
#include <windows.h>
#include <cstring>

namespace {

constexpr int32_t kSmallestCapacity = 16;
constexpr int64_t kLargestBlock = 0x7FFFFFFF;

void ReportBadSlot(int line) { FailedAssertion(0, 4, "array", line); }

void SetCapacity(ArrayVector* vector, int32_t capacity) {
    ResizeBlock(&vector->block, static_cast<uint32_t>(capacity) * vector->elementSize);
    vector->capacity = capacity;
}

void Reserve(ArrayVector* vector, int64_t count) {
    if (count <= vector->capacity) return;
    const int64_t largest = kLargestBlock / vector->elementSize;
    if (count > largest) VectorTooLarge();
    int64_t capacity = vector->capacity < kSmallestCapacity ? kSmallestCapacity : vector->capacity;
    while (capacity < count) capacity += capacity / 2 + kSmallestCapacity;
    SetCapacity(vector, static_cast<int32_t>(capacity < largest ? capacity : largest));
}

void ReleaseElement(void* element, ElementRelease release, int32_t levelsBelow) {
    if (levelsBelow > 0) {
        ArrayVector* sub = static_cast<ArrayVector*>(element);
        if (!sub) return;
        EmptyVector(sub, release, levelsBelow - 1);
        DeleteRuntimeRecord(sub);
    } else if (release == ElementRelease::String) {
        RuntimeUnlockString(static_cast<StringObject*>(element));
    } else if (release == ElementRelease::Object) {
        UnlockObject(static_cast<ObjectInstance*>(element));
    }
}

// Elements are taken out of their slots before they are released: releasing
// an object runs its destructor, and whatever that does sees no stale slot.
void* TakeElement(ArrayVector* vector, int32_t index) {
    void* element;
    memcpy(&element, VectorSlot(vector, index), sizeof element);
    memset(VectorSlot(vector, index), 0, sizeof element);
    return element;
}

} // namespace

void VectorTooLarge() { ExitProcess(0); }

void ResizeBlock(ResizableBlock* block, uint32_t size) {
    uint8_t* data = size ? static_cast<uint8_t*>(RuntimeAlloc(size)) : nullptr;
    uint32_t kept = size < block->size ? size : block->size;
    if (kept) memcpy(data, block->data, kept);
    if (size > kept) memset(data + kept, 0, size - kept);
    RuntimeFree(block->data, block->size);
    block->data = data;
    block->size = size;
}

void FreeBlock(ResizableBlock* block) { ResizeBlock(block, 0); }

void InitVector(ArrayVector* vector) {
    *vector = ArrayVector{{nullptr, 0}, 0, 0, kValueSize};
}

ArrayVector* NewSubVector() {
    ArrayVector* vector = static_cast<ArrayVector*>(NewRuntimeRecord(sizeof(ArrayVector)));
    InitVector(vector);
    return vector;
}

void SetElementSize(ArrayVector* vector, int32_t elementSize) {
    if (vector->elementSize == elementSize) return;
    vector->elementSize = elementSize;
    vector->capacity = static_cast<int32_t>(vector->block.size / elementSize);
    if (vector->count > vector->capacity) vector->count = vector->capacity;
}

void GrowVector(ArrayVector* vector, int64_t count) {
    if (count <= vector->count) return;
    Reserve(vector, count);
    // Room left by earlier cuts and removals may hold old bytes.
    memset(VectorSlot(vector, vector->count), 0, (count - vector->count) * vector->elementSize);
    vector->count = static_cast<int32_t>(count);
}

void InsertVectorSlot(ArrayVector* vector, int32_t index) {
    if (index < 0 || index > vector->count) return ReportBadSlot(95);
    GrowVector(vector, vector->count + 1);
    uint8_t* slot = VectorSlot(vector, index);
    memmove(slot + vector->elementSize, slot, (vector->count - 1 - index) * vector->elementSize);
    memset(slot, 0, vector->elementSize);
}

void RemoveVectorElement(ArrayVector* vector, int32_t index, ElementRelease release) {
    if (index < 0 || index >= vector->count) return ReportBadSlot(107);
    void* element = release == ElementRelease::None ? nullptr : TakeElement(vector, index);
    uint8_t* slot = VectorSlot(vector, index);
    memmove(slot, slot + vector->elementSize, (vector->count - 1 - index) * vector->elementSize);
    vector->count--;
    ReleaseElement(element, release, 0);
}

void CutVector(ArrayVector* vector, int32_t count, ElementRelease release, int32_t levelsBelow) {
    if (count < 0) return ReportBadSlot(132);
    if (release == ElementRelease::None && levelsBelow == 0) {
        if (vector->count > count) vector->count = count;
    }
    // From the end, re-reading the count: a destructor may change the vector.
    while (vector->count > count) {
        void* element = TakeElement(vector, vector->count - 1);
        vector->count--;
        ReleaseElement(element, release, levelsBelow);
    }
    // A vector cut to a fraction of its room gives the room back.
    if (vector->count < vector->capacity / 4) SetCapacity(vector, vector->count);
}

void EmptyVector(ArrayVector* vector, ElementRelease release, int32_t levelsBelow) {
    CutVector(vector, 0, release, levelsBelow);
    FreeBlock(&vector->block);
    vector->capacity = 0;
}

ArrayVector* StoredSubVector(ArrayVector* vector, int32_t index) {
    if (index >= vector->count) return nullptr;
    ArrayVector* sub;
    memcpy(&sub, VectorSlot(vector, index), sizeof sub);
    return sub;
}

ArrayVector* MadeSubVector(ArrayVector* vector, int32_t index) {
    if (ArrayVector* sub = StoredSubVector(vector, index)) return sub;
    GrowVector(vector, index + 1);
    ArrayVector* sub = NewSubVector();
    memcpy(VectorSlot(vector, index), &sub, sizeof sub);
    return sub;
}
