// Storage vectors: the growable element vectors that arrays are made of, and
// the resizable blocks that hold their elements.
#pragma once
#include <cstdint>

// A block that can change its size: resizing makes a new block, copies what
// both sizes hold and frees the old one. Bytes a block gains are zero.
struct ResizableBlock {
    uint8_t* data;
    uint32_t size;
};

void ResizeBlock(ResizableBlock* block, uint32_t size);
void FreeBlock(ResizableBlock* block);

// The elements of one dimension. Elements of the last dimension are the
// values (4 bytes each, 8 for double-precision arrays); elements of the other
// dimensions point to sub-vectors, null where nothing was ever written.
// Beyond count, up to capacity, the block holds room for growth.
struct ArrayVector {
    ResizableBlock block;
    int32_t count;
    int32_t capacity;
    int32_t elementSize;
};

constexpr int32_t kValueSize = 4;
constexpr int32_t kDoubleSize = 8;

// What an element holds, which decides how a vector lets go of it.
enum class ElementRelease { None, String, Object };

void InitVector(ArrayVector* vector);
ArrayVector* NewSubVector();

// The element size is set by the routines of each kind before they touch the
// vector; a vector whose size changes keeps only what its block can hold.
void SetElementSize(ArrayVector* vector, int32_t elementSize);

inline uint8_t* VectorSlot(ArrayVector* vector, int32_t index) {
    return vector->block.data + index * vector->elementSize;
}

// Grows the vector to count elements, the new ones zero; a smaller count
// does nothing. Capacity grows geometrically, so that a vector grown one
// element at a time copies each element only a few times in all.
void GrowVector(ArrayVector* vector, int64_t count);
// A vector larger than any block: memory has run out, and the process ends.
[[noreturn]] void VectorTooLarge();
// Opens a zero element at index (0 to count), moving the rest up.
void InsertVectorSlot(ArrayVector* vector, int32_t index);
// Releases the element at index (0 to count - 1) of the last dimension and
// closes its slot, moving the rest down.
void RemoveVectorElement(ArrayVector* vector, int32_t index, ElementRelease release);

// Releases the stored elements from index on and cuts the vector there.
// levelsBelow is the number of dimensions under this vector's: above 0 the
// elements are sub-vectors, disposed with everything below them.
void CutVector(ArrayVector* vector, int32_t count, ElementRelease release, int32_t levelsBelow);
// Releases everything the vector holds and frees its block.
void EmptyVector(ArrayVector* vector, ElementRelease release, int32_t levelsBelow);

// The sub-vector at index of a vector of the upper dimensions; null when
// none was made.
ArrayVector* StoredSubVector(ArrayVector* vector, int32_t index);
// The same, made empty first where there is none (growing the vector to
// index + 1 elements for it).
ArrayVector* MadeSubVector(ArrayVector* vector, int32_t index);
