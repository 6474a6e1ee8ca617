// Fast boolean arrays: bounds of reads, writes and inserts, and the element
// moves of insert and remove.
#include <cstring>
#include "arraytesting.h"

namespace {

std::string Bits(FastBooleanArray* array) {
    std::string bits;
    for (int32_t i = 0; i <= RuntimeFastArrayUBound(array); i++)
        bits += RuntimeFastReadBoolArray(array, i) ? '1' : '0';
    return bits;
}

TEST(FastBooleanArrays, ANewArrayHoldsBoundPlusOneZerosInOneBlock) {
    struct Case {
        int32_t bound;
        std::string bits;
    } cases[] = {{3, "0000"}, {0, "0"}, {-1, ""}, {-7, ""}};
    for (const Case& c : cases) {
        FastBooleanArray* array = RuntimeCreateFastBooleanArray(c.bound);
        EXPECT_EQ(Bits(array), c.bits) << c.bound;
        EXPECT_EQ(RuntimeFastArrayUBound(array), c.bound < -1 ? -1 : c.bound);
        int32_t count;
        memcpy(&count, array->block.data, 4);
        EXPECT_EQ(count, static_cast<int32_t>(c.bits.size()));
        RuntimeDisposeFastBooleanArray(array);
    }
}

TEST(FastBooleanArrays, EveryIndexUpToTheBoundReadsAndWrites) {
    FastBooleanArray* array = RuntimeCreateFastBooleanArray(3);
    for (int32_t i = 0; i <= 3; i++) RuntimeFastWriteBoolArray(array, i, i % 2 ? 7 : 0);
    EXPECT_EQ(Bits(array), "0101") << "any true value is kept as 1";
    EXPECT_EQ(RuntimeFastReadBoolArray(array, 3), 1);
    RuntimeDisposeFastBooleanArray(array);
}

TEST(FastBooleanArrays, InsertRemoveAppendAndRedimMoveTheElements) {
    struct Case {
        void (*edit)(FastBooleanArray*);
        std::string bits;
    } cases[] = {
        {[](FastBooleanArray* a) { RuntimeFastBooleanArrayInsert(a, 0, 1); }, "11001"},
        {[](FastBooleanArray* a) { RuntimeFastBooleanArrayInsert(a, 3, 1); }, "10011"},
        {[](FastBooleanArray* a) { RuntimeFastBooleanArrayInsert(a, 4, 0); }, "10010"},  // bound + 1
        {[](FastBooleanArray* a) { RuntimeFastBooleanArrayRemove(a, 0); }, "001"},
        {[](FastBooleanArray* a) { RuntimeFastBooleanArrayRemove(a, 3); }, "100"},
        {[](FastBooleanArray* a) { RuntimeFastBooleanArrayAppend(a, 1); }, "10011"},
        {[](FastBooleanArray* a) { RuntimeRedimFastBoolArray(a, 5); }, "100100"},
        {[](FastBooleanArray* a) { RuntimeRedimFastBoolArray(a, 1); }, "10"},
        {[](FastBooleanArray* a) { RuntimeRedimFastBoolArray(a, -1); }, ""},
    };
    for (const Case& c : cases) {
        FastBooleanArray* array = RuntimeCreateFastBooleanArray(3);
        RuntimeFastWriteBoolArray(array, 0, 1);
        RuntimeFastWriteBoolArray(array, 3, 1);
        c.edit(array);
        EXPECT_EQ(Bits(array), c.bits);
        RuntimeDisposeFastBooleanArray(array);
    }
}

// Removing and growing again must not bring back what was removed.
TEST(FastBooleanArrays, ElementsThatComeBackIntoRangeAreZero) {
    FastBooleanArray* array = RuntimeCreateFastBooleanArray(-1);
    for (int i = 0; i < 100; i++) RuntimeFastBooleanArrayAppend(array, 1);
    for (int i = 0; i < 50; i++) RuntimeFastBooleanArrayRemove(array, 49);
    RuntimeRedimFastBoolArray(array, 99);
    EXPECT_EQ(Bits(array), std::string(50, '1') + std::string(50, '0'));
    RuntimeDisposeFastBooleanArray(array);
}

} // namespace
