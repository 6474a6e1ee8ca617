// Helpers for tests of the array routines: one-dimensional arrays made the
// way compiled code makes them, and test objects and strings whose references
// the tests count (strings come from the string tests' TestStrings).
#pragma once
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "core/arrays.h"
#include "core/objects.h"
#include "core/string.h"
#include "core/utility.h"
#include "stringtesting.h"

// RuntimeCreateArray, then one dimension from 0 to upperBound.
inline RuntimeArray* OneDimensional(int32_t upperBound) {
    RuntimeArray* array = RuntimeCreateArray();
    RuntimeArrayCreateAddIndex(array, 0, upperBound);
    return array;
}

// An array of as many dimensions as bounds, each from 0 to its bound.
inline RuntimeArray* WithBounds(std::initializer_list<int32_t> bounds) {
    RuntimeArray* array = RuntimeCreateArray();
    for (int32_t bound : bounds) RuntimeArrayCreateAddIndex(array, 0, bound);
    return array;
}

// Objects of a class whose destructor counts the objects it destroys.
class TestObjects {
public:
    TestObjects() {
        if (!cls_) cls_ = NewClassRecord(nullptr, nullptr, 0);
        cls_->destructor = [](ObjectInstance*, ClassRecord*) { destroyed_++; };
        destroyed_ = 0;
    }
    ObjectInstance* New() const { return NewInstance(cls_); }
    static int destroyed() { return destroyed_; }
private:
    static inline ClassRecord* cls_ = nullptr;
    static inline int destroyed_ = 0;
};
