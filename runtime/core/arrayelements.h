// The element kinds of arrays: how a value is kept in a slot, read back and
// let go of. Strings and objects in slots hold one reference each; reads give
// a new reference. A slot beyond the stored elements reads as Unstored().
#pragma once
#include "arrays.h"
#include "objects.h"
#include "string.h"
#include <cstring>

template <typename Stored>
inline Stored SlotContent(const uint8_t* slot) {
    Stored content;
    memcpy(&content, slot, sizeof content);
    return content;
}

template <typename Stored>
inline void SetSlotContent(uint8_t* slot, Stored content) {
    memcpy(slot, &content, sizeof content);
}

// Numbers: the stored form may be narrower than the value passed, as single
// precision numbers are (passed and read back as doubles, kept rounded).
template <typename Stored, typename PassedAs>
struct NumberElement {
    using Value = PassedAs;
    static constexpr int32_t kSize = sizeof(Stored);
    static constexpr ElementRelease kRelease = ElementRelease::None;
    static Value Unstored() { return 0; }
    static Value Read(const uint8_t* slot) { return SlotContent<Stored>(slot); }
    static void Write(uint8_t* slot, Value value) { SetSlotContent(slot, static_cast<Stored>(value)); }
};

// Strings and objects. The new value is locked before the old one is
// released, so that storing what a slot already holds never drops its last
// reference.
template <typename Counted, void (*Lock)(Counted*), void (*Unlock)(Counted*), ElementRelease release>
struct CountedElement {
    using Value = Counted*;
    static constexpr int32_t kSize = kValueSize;
    static constexpr ElementRelease kRelease = release;
    static Value Unstored() { return nullptr; }
    static Value Read(const uint8_t* slot) {
        Counted* content = SlotContent<Counted*>(slot);
        Lock(content);
        return content;
    }
    static void Write(uint8_t* slot, Value value) {
        Counted* old = SlotContent<Counted*>(slot);
        Lock(value);
        SetSlotContent(slot, value);
        Unlock(old);
    }
};

using IntElement = NumberElement<int32_t, int32_t>;
using SingleElement = NumberElement<float, double>;
using DoubleElement = NumberElement<double, double>;
using StringElement =
    CountedElement<StringObject, RuntimeLockString, RuntimeUnlockString, ElementRelease::String>;
using ObjectElement = CountedElement<ObjectInstance, LockObject, UnlockObject, ElementRelease::Object>;

// Double-precision routines set the element size of the vector they touch;
// the others keep the vector's own.
template <typename Kind>
inline void PrepareVector(ArrayVector* vector) {
    if (Kind::kSize == kDoubleSize) SetElementSize(vector, kDoubleSize);
}

template <typename Kind>
inline typename Kind::Value ReadElement(ArrayVector* vector, int32_t index) {
    if (index >= vector->count) return Kind::Unstored();
    return Kind::Read(VectorSlot(vector, index));
}

// A write beyond the stored elements first grows the vector by up to 16
// elements past the index, within the dimension's bound.
template <typename Kind>
inline void WriteElement(ArrayVector* vector, int32_t index, int32_t upperBound,
                         typename Kind::Value value) {
    if (index >= vector->count) {
        int64_t count = int64_t(index) + 16;
        GrowVector(vector, count < int64_t(upperBound) + 1 ? count : int64_t(upperBound) + 1);
    }
    Kind::Write(VectorSlot(vector, index), value);
}
