// The multi-index access protocol: a start, further indexes, and the final
// read or write, on arrays of two and three dimensions.
#include "arraytesting.h"

namespace {

int32_t ReadInt(RuntimeArray* array, int32_t i, int32_t j, int32_t k) {
    RuntimeArrayStartReadAccess(array, i);
    RuntimeArrayAddReadIndex(array, j);
    return RuntimeReadIntArray(array, k);
}

void WriteInt(RuntimeArray* array, int32_t i, int32_t j, int32_t k, int32_t value) {
    RuntimeArrayStartWriteAccess(array, i);
    RuntimeArrayAddWriteIndex(array, j);
    RuntimeWriteIntArray(array, k, value);
}

TEST(ArrayMultiIndex, WritesReachTheirElementAndReadsFindThem) {
    RuntimeArray* array = WithBounds({2, 3, 4});
    struct Case {
        int32_t i, j, k, value;
    } cases[] = {{0, 0, 0, 1}, {2, 3, 4, 2}, {1, 2, 3, 3}, {2, 0, 4, 4}, {1, 2, 0, 5}};
    for (const Case& c : cases) WriteInt(array, c.i, c.j, c.k, c.value);
    for (const Case& c : cases) EXPECT_EQ(ReadInt(array, c.i, c.j, c.k), c.value) << c.value;
    EXPECT_EQ(ReadInt(array, 1, 2, 4), 0);
    EXPECT_EQ(ReadInt(array, 2, 1, 4), 0);
    EXPECT_EQ(array->accessDepth, 0) << "a finished access leaves the cursor at rest";
    RuntimeDisposeIntArray(array);
}

TEST(ArrayMultiIndex, AWriteStepMakesTheSubVectorsAReadStepNever) {
    RuntimeArray* array = WithBounds({9, 9, 9});
    int before = RuntimeDebugMemoryUsed();
    EXPECT_EQ(ReadInt(array, 7, 7, 7), 0);
    EXPECT_EQ(RuntimeDebugMemoryUsed(), before);
    EXPECT_EQ(array->storage.count, 0);

    WriteInt(array, 7, 3, 0, 5);
    EXPECT_EQ(array->storage.count, 8) << "the parent grows to index + 1";
    ArrayVector* second = StoredSubVector(&array->storage, 7);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->count, 4);
    EXPECT_EQ(StoredSubVector(&array->storage, 6), nullptr);
    EXPECT_EQ(StoredSubVector(second, 3)->count, 10) << "the values grow as a direct write does";
    RuntimeDisposeIntArray(array);
}

TEST(ArrayMultiIndex, EveryKindGoesThroughTheSameSteps) {
    TestStrings make;
    TestObjects objects;
    StringObject* text = make("cell");
    ObjectInstance* object = objects.New();
    RuntimeArray* array = WithBounds({1, 1});
    RuntimeArrayStartWriteAccess(array, 1);
    RuntimeWriteSingleArray(array, 0, 0.1);
    RuntimeArrayStartReadAccess(array, 1);
    EXPECT_EQ(RuntimeReadSingleArray(array, 0), static_cast<double>(0.1f));
    RuntimeDisposeIntArray(array);

    array = WithBounds({1, 1});
    RuntimeArrayStartWriteAccess(array, 1);
    RuntimeWriteDoubleArray(array, 1, 0.1);
    RuntimeArrayStartReadAccess(array, 1);
    EXPECT_EQ(RuntimeReadDoubleArray(array, 1), 0.1);
    EXPECT_EQ(StoredSubVector(&array->storage, 1)->elementSize, 8);
    EXPECT_EQ(array->storage.elementSize, 4) << "the upper dimension holds sub-vectors";
    RuntimeDisposeIntArray(array);

    array = WithBounds({1, 1});
    RuntimeArrayStartWriteAccess(array, 0);
    RuntimeWriteStringArray(array, 1, text);
    RuntimeArrayStartReadAccess(array, 0);
    EXPECT_EQ(Taken(RuntimeReadStringArray(array, 1)), "cell");
    RuntimeDisposeStringArray(array);
    EXPECT_EQ(text->refs, 1);

    array = WithBounds({1, 1});
    RuntimeArrayStartWriteAccess(array, 0);
    RuntimeWriteObjectArray(array, 0, object);
    RuntimeArrayStartReadAccess(array, 0);
    ObjectInstance* read = RuntimeReadObjectArray(array, 0);
    EXPECT_EQ(read, object);
    EXPECT_EQ(object->refs, 3);
    UnlockObject(read);
    RuntimeArrayStartReadAccess(array, 1);
    EXPECT_EQ(RuntimeReadObjectArray(array, 1), nullptr);
    RuntimeDisposeObjectArray(array);
    EXPECT_EQ(object->refs, 1);
    UnlockObject(object);
}

// At rest the cursor stands on the storage vector, so that the final read
// and write of a one-dimensional array work as direct access does.
TEST(ArrayMultiIndex, AOneDimensionalArrayTakesItsOnlyIndexAtRest) {
    RuntimeArray* array = WithBounds({5});
    RuntimeWriteIntArray(array, 4, 44);
    EXPECT_EQ(RuntimeDirectReadIntArray(array, 4), 44);
    EXPECT_EQ(RuntimeReadIntArray(array, 4), 44);
    RuntimeDisposeIntArray(array);
}

} // namespace
