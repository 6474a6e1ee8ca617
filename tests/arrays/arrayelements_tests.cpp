// Elements of one-dimensional arrays: direct reads and writes of every kind,
// lazy storage and its growth, append, insert and remove.
#include <cstring>
#include "arraytesting.h"

namespace {

std::vector<int32_t> Ints(RuntimeArray* array) {
    std::vector<int32_t> values;
    for (int32_t i = 0; i <= RuntimeUBound(array); i++)
        values.push_back(RuntimeDirectReadIntArray(array, i));
    return values;
}

TEST(ArrayElements, AWriteBeyondTheStoredOnesGrowsUpToSixteenPastIt) {
    struct Case {
        int32_t bound, index, stored;
        int32_t probe;   // read afterwards: the object where it was written, else nil
    } cases[] = {
        {1000, 100, 116, 500},  // index + 16
        {1000, 995, 1001, 500}, // no further than the bound
        {1000, 995, 1001, 995},
        {0, 0, 1, 0},
    };
    for (const Case& c : cases) {
        TestObjects objects;
        ObjectInstance* object = objects.New();
        RuntimeArray* array = OneDimensional(c.bound);
        RuntimeDirectWriteObjectArray(array, c.index, object);
        EXPECT_EQ(array->storage.count, c.stored) << c.index;
        ObjectInstance* read = RuntimeDirectReadObjectArray(array, c.probe);
        EXPECT_EQ(read, c.probe == c.index ? object : nullptr) << c.probe;
        UnlockObject(read);
        RuntimeDisposeObjectArray(array);
        EXPECT_EQ(object->refs, 1);
        UnlockObject(object);
    }
}

TEST(ArrayElements, EveryKindReadsBackWhatWasWrittenAndZeroWhereNothingWas) {
    RuntimeArray* ints = OneDimensional(5);
    RuntimeDirectWriteIntArray(ints, 1, -7);
    EXPECT_EQ(RuntimeDirectReadIntArray(ints, 1), -7);
    EXPECT_EQ(RuntimeDirectReadIntArray(ints, 5), 0);
    RuntimeDisposeIntArray(ints);

    RuntimeArray* singles = OneDimensional(5);
    RuntimeDirectWriteSingleArray(singles, 1, 0.1);
    EXPECT_EQ(RuntimeDirectReadSingleArray(singles, 1), static_cast<double>(0.1f)) << "kept as a single";
    EXPECT_EQ(RuntimeDirectReadSingleArray(singles, 5), 0.0);
    EXPECT_EQ(singles->storage.elementSize, 4);
    RuntimeDisposeIntArray(singles);

    RuntimeArray* doubles = OneDimensional(5);
    RuntimeDirectWriteDoubleArray(doubles, 1, 0.1);
    RuntimeDirectWriteDoubleArray(doubles, 2, -1e300);
    EXPECT_EQ(RuntimeDirectReadDoubleArray(doubles, 1), 0.1);
    EXPECT_EQ(RuntimeDirectReadDoubleArray(doubles, 2), -1e300);
    EXPECT_EQ(RuntimeDirectReadDoubleArray(doubles, 5), 0.0);
    EXPECT_EQ(doubles->storage.elementSize, 8);
    RuntimeDisposeIntArray(doubles);
}

TEST(ArrayElements, AReplacedStringOrObjectIsReleasedAndTheNewOneLocked) {
    TestStrings make;
    StringObject* first = make("first");
    StringObject* second = make("second");
    RuntimeArray* strings = OneDimensional(3);
    RuntimeDirectWriteStringArray(strings, 2, first);
    RuntimeDirectWriteStringArray(strings, 2, first);   // the same string again
    EXPECT_EQ(first->refs, 2);
    RuntimeDirectWriteStringArray(strings, 2, second);
    EXPECT_EQ(first->refs, 1);
    EXPECT_EQ(second->refs, 2);
    EXPECT_EQ(Taken(RuntimeDirectReadStringArray(strings, 2)), "second");
    RuntimeDirectWriteStringArray(strings, 2, nullptr);
    EXPECT_EQ(second->refs, 1);
    RuntimeDisposeStringArray(strings);

    TestObjects objects;
    ObjectInstance* object = objects.New();
    RuntimeArray* array = OneDimensional(3);
    RuntimeDirectWriteObjectArray(array, 0, object);
    UnlockObject(object);
    RuntimeDirectWriteObjectArray(array, 0, objects.New());   // an object with no other owner
    EXPECT_EQ(TestObjects::destroyed(), 1);
    ObjectInstance* stored = RuntimeDirectReadObjectArray(array, 0);
    EXPECT_EQ(stored->refs, 3) << "creation, array and read";
    UnlockObject(stored);
    UnlockObject(stored);
    RuntimeDisposeObjectArray(array);
    EXPECT_EQ(TestObjects::destroyed(), 2);
}

TEST(ArrayElements, AppendSizesTheVectorToTheBoundWithoutCopyingEachTime) {
    RuntimeArray* array = OneDimensional(-1);
    int moves = 0;
    const uint8_t* data = nullptr;
    for (int32_t i = 0; i < 200000; i++) {
        RuntimeIntArrayAppend(array, i * 3);
        ASSERT_EQ(array->storage.count, i + 1);
        if (array->storage.block.data != data) moves++;
        data = array->storage.block.data;
    }
    EXPECT_EQ(RuntimeUBound(array), 199999);
    EXPECT_LT(moves, 40) << "the block grows geometrically";
    for (int32_t i = 0; i < 200000; i += 997) ASSERT_EQ(RuntimeDirectReadIntArray(array, i), i * 3);
    RuntimeDisposeIntArray(array);
}

TEST(ArrayElements, AppendToAnArrayWithoutDimensionsMakesTheFirst) {
    RuntimeArray* array = RuntimeCreateArray();
    RuntimeDoubleArrayAppend(array, 2.5);
    EXPECT_EQ(array->dimensionCount, 1);
    EXPECT_EQ(RuntimeUBound(array), 0);
    EXPECT_EQ(RuntimeDirectReadDoubleArray(array, 0), 2.5);
    RuntimeDisposeIntArray(array);
}

// The element at the index and those after it move up or down by one; where
// nothing was stored, only the bound moves.
TEST(ArrayElements, InsertAndRemoveShiftTheElementsFromTheIndexOn) {
    enum Op { kInsert, kRemove };
    struct Case {
        Op op;
        int32_t bound;
        std::vector<int32_t> stored;
        int32_t index;
        std::vector<int32_t> after;
        int32_t storedAfter;
    } cases[] = {
        {kInsert, 2, {10, 20, 30}, 0, {99, 10, 20, 30}, 4},
        {kInsert, 2, {10, 20, 30}, 2, {10, 20, 99, 30}, 4},
        {kInsert, 5, {10, 20}, 4, {10, 20, 0, 0, 99, 0, 0}, 6},  // sized to index + 1 first
        {kRemove, 2, {10, 20, 30}, 0, {20, 30}, 2},
        {kRemove, 2, {10, 20, 30}, 2, {10, 20}, 2},
        {kRemove, 5, {10, 20}, 4, {10, 20, 0, 0, 0}, 2},
    };
    for (const Case& c : cases) {
        // Appended, then redimmed up: exactly those elements are stored.
        RuntimeArray* array = OneDimensional(-1);
        for (int32_t value : c.stored) RuntimeIntArrayAppend(array, value);
        RuntimeRedimIntArrayLevel(array, 0, c.bound);
        if (c.op == kInsert) RuntimeIntArrayInsert(array, c.index, 99);
        else RuntimeIntArrayRemove(array, c.index);
        EXPECT_EQ(Ints(array), c.after) << c.op << " at " << c.index;
        EXPECT_EQ(array->storage.count, c.storedAfter) << c.op << " at " << c.index;
        RuntimeDisposeIntArray(array);
    }
}

TEST(ArrayElements, InsertAndRemoveKeepTheReferencesOfStringsAndTheWidthOfDoubles) {
    TestStrings make;
    StringObject* a = make("a");
    StringObject* b = make("b");
    RuntimeArray* strings = OneDimensional(-1);
    RuntimeStringArrayAppend(strings, a);
    RuntimeStringArrayInsert(strings, 0, b);
    EXPECT_EQ(Taken(RuntimeDirectReadStringArray(strings, 0)), "b");
    EXPECT_EQ(Taken(RuntimeDirectReadStringArray(strings, 1)), "a");
    RuntimeStringArrayRemove(strings, 0);
    EXPECT_EQ(b->refs, 1) << "a removed string is released";
    EXPECT_EQ(a->refs, 2);
    EXPECT_EQ(Taken(RuntimeDirectReadStringArray(strings, 0)), "a");
    RuntimeDisposeStringArray(strings);

    RuntimeArray* doubles = OneDimensional(-1);
    for (double d : {1.5, 2.5, 3.5}) RuntimeDoubleArrayAppend(doubles, d);
    RuntimeDoubleArrayInsert(doubles, 1, 9.25);
    RuntimeIntArrayRemove(doubles, 0);   // compiled code removes numbers of every width so
    std::vector<double> values;
    for (int32_t i = 0; i <= RuntimeUBound(doubles); i++)
        values.push_back(RuntimeDirectReadDoubleArray(doubles, i));
    EXPECT_EQ(values, (std::vector<double>{9.25, 2.5, 3.5}));
    RuntimeDisposeIntArray(doubles);

    RuntimeArray* singles = OneDimensional(-1);
    RuntimeSingleArrayAppend(singles, 1.0);
    RuntimeSingleArrayInsert(singles, 0, 0.5);
    EXPECT_EQ(RuntimeDirectReadSingleArray(singles, 0), 0.5);
    EXPECT_EQ(RuntimeDirectReadSingleArray(singles, 1), 1.0);
    RuntimeDisposeIntArray(singles);
}

} // namespace
