// Out-of-bounds raises: every routine that takes an index, called from a
// compiled routine of a fixture image that catches the exception, leaves the
// array as it was; and the real Tessel21.exe ends an image whose bad index
// nothing catches.
#include "arraytesting.h"
#include "core/compiledcalls.h"
#include "imagefixture.h"
#include "programrunner.h"
#include "testfiles.h"

namespace {

constexpr uint32_t kReturned = 0, kOutOfBounds = 1;

struct Routine {
    const char* name;
    const void* code;
};
#define ROUTINE(name) Routine{#name, reinterpret_cast<const void*>(&name)}

class OutOfBounds : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(image.Load()); }
    // routine(a, b, c, d) from compiled code: kReturned, kOutOfBounds, or 2
    // for another exception.
    uint32_t Catch(const void* routine, const void* a, int32_t b, int32_t c = 0, int32_t d = 0) {
        return CallCompiled(image.Address("CatchOutOfBounds"), routine, a, b, c, d);
    }
    ImageFixture image{"arrays_caught", "caught"};
};

// The routines of one index into the first dimension, all with index -1 and
// upper bound + 1; on an array of two dimensions, even index 0 is outside.
TEST_F(OutOfBounds, EveryFirstDimensionRoutineRaisesAndChangesNothing) {
    const Routine routines[] = {
        ROUTINE(RuntimeDirectReadIntArray),    ROUTINE(RuntimeDirectReadSingleArray),
        ROUTINE(RuntimeDirectReadDoubleArray), ROUTINE(RuntimeDirectReadStringArray),
        ROUTINE(RuntimeDirectReadObjectArray), ROUTINE(RuntimeDirectWriteIntArray),
        ROUTINE(RuntimeDirectWriteSingleArray), ROUTINE(RuntimeDirectWriteDoubleArray),
        ROUTINE(RuntimeDirectWriteStringArray), ROUTINE(RuntimeDirectWriteObjectArray),
        ROUTINE(RuntimeIntArrayInsert),        ROUTINE(RuntimeSingleArrayInsert),
        ROUTINE(RuntimeDoubleArrayInsert),     ROUTINE(RuntimeStringArrayInsert),
        ROUTINE(RuntimeObjectArrayInsert),     ROUTINE(RuntimeIntArrayRemove),
        ROUTINE(RuntimeStringArrayRemove),     ROUTINE(RuntimeObjectArrayRemove),
    };
    for (const Routine& routine : routines) {
        for (int32_t index : {-1, 3}) {
            RuntimeArray* array = OneDimensional(2);
            EXPECT_EQ(Catch(routine.code, array, index), kOutOfBounds) << routine.name << " " << index;
            EXPECT_EQ(RuntimeUBound(array), 2) << routine.name;
            EXPECT_EQ(array->storage.count, 0) << routine.name;
            RuntimeDisposeIntArray(array);
        }
        RuntimeArray* grid = WithBounds({2, 2});
        EXPECT_EQ(Catch(routine.code, grid, 0), kOutOfBounds) << routine.name << " of two dimensions";
        EXPECT_EQ(grid->storage.count, 0) << routine.name;
        RuntimeDisposeIntArray(grid);
    }
    RuntimeArray* array = OneDimensional(2);
    EXPECT_EQ(Catch(reinterpret_cast<const void*>(&RuntimeDirectReadObjectArray), array, 2), kReturned);
    RuntimeDisposeIntArray(array);
}

// Each step of a multi-index access checks its index against the bound of
// the dimension it is in, and a step that has no dimension is outside too.
TEST_F(OutOfBounds, EveryStepOfAMultiIndexAccessChecksItsDimension) {
    struct Case {
        const char* what;
        std::initializer_list<int32_t> bounds;
        int steps;   // indexes (all 0) taken before the routine, by write steps
        Routine routine;
        int32_t index;
        uint32_t result;
    } cases[] = {
        {"start at -1", {2, 5}, 0, ROUTINE(RuntimeArrayStartReadAccess), -1, kOutOfBounds},
        {"start beyond", {2, 5}, 0, ROUTINE(RuntimeArrayStartWriteAccess), 3, kOutOfBounds},
        {"start of one dimension", {2}, 0, ROUTINE(RuntimeArrayStartReadAccess), 0, kOutOfBounds},
        {"second index beyond", {2, 5, 1}, 1, ROUTINE(RuntimeArrayAddReadIndex), 6, kOutOfBounds},
        {"second index at -1", {2, 5, 1}, 1, ROUTINE(RuntimeArrayAddWriteIndex), -1, kOutOfBounds},
        {"second index in range", {2, 5, 1}, 1, ROUTINE(RuntimeArrayAddWriteIndex), 5, kReturned},
        {"a step too many", {2, 5}, 1, ROUTINE(RuntimeArrayAddReadIndex), 0, kOutOfBounds},
        {"last index beyond", {2, 5}, 1, ROUTINE(RuntimeReadIntArray), 6, kOutOfBounds},
        {"last index at -1", {2, 5}, 1, ROUTINE(RuntimeWriteStringArray), -1, kOutOfBounds},
        {"last index too early", {2, 5, 1}, 1, ROUTINE(RuntimeReadObjectArray), 0, kOutOfBounds},
        {"last index in range", {2, 5}, 1, ROUTINE(RuntimeReadIntArray), 5, kReturned},
    };
    for (const Case& c : cases) {
        RuntimeArray* array = WithBounds(c.bounds);
        if (c.steps > 0) RuntimeArrayStartWriteAccess(array, 0);
        EXPECT_EQ(Catch(c.routine.code, array, c.index), c.result) << c.what;
        RuntimeDisposeIntArray(array);
    }
}

TEST_F(OutOfBounds, RedimOfADimensionTheArrayLacksRaises) {
    for (int32_t dimension : {-1, 1}) {
        RuntimeArray* array = OneDimensional(4);
        EXPECT_EQ(Catch(reinterpret_cast<const void*>(&RuntimeRedimStringArrayLevel), array, dimension, 9),
                  kOutOfBounds)
            << dimension;
        EXPECT_EQ(RuntimeUBound(array), 4);
        RuntimeDisposeStringArray(array);
    }
}

// Upper bound 3: 0 to 3 read, write and remove, 0 to 4 insert.
TEST_F(OutOfBounds, AFastBooleanArrayTakesItsOwnRanges) {
    struct Case {
        Routine routine;
        int32_t first, last;   // the range that does not raise
    } cases[] = {
        {ROUTINE(RuntimeFastReadBoolArray), 0, 3},
        {ROUTINE(RuntimeFastWriteBoolArray), 0, 3},
        {ROUTINE(RuntimeFastBooleanArrayRemove), 0, 3},
        {ROUTINE(RuntimeFastBooleanArrayInsert), 0, 4},
    };
    for (const Case& c : cases) {
        for (int32_t index = c.first - 1; index <= c.last + 1; index++) {
            FastBooleanArray* array = RuntimeCreateFastBooleanArray(3);
            bool inside = index >= c.first && index <= c.last;
            EXPECT_EQ(Catch(c.routine.code, array, index, 1), inside ? kReturned : kOutOfBounds)
                << c.routine.name << " " << index;
            if (!inside) {
                EXPECT_EQ(RuntimeFastArrayUBound(array), 3) << c.routine.name;
            }
            RuntimeDisposeFastBooleanArray(array);
        }
    }
}

TEST(UnhandledOutOfBounds, IsShownWithTheClassNameAndEndsTheProgram) {
    ProgramRun run = RunRuntimeOnFixture("unhandled");

    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0u);
    ASSERT_EQ(run.boxes.size(), 1u) << "the line after the read is never reached";
    EXPECT_EQ(run.boxes[0].text,
              "An exception of class OutOfBoundsException was not handled.\r"
              "The application must shut down.");
}

} // namespace
