// The small-block allocator: size classes up to 252 bytes recycled through
// their free lists, larger blocks from the system heap, the counter of bytes
// handed out, and runtime records with their marker.
#include <gtest/gtest.h>
#include <windows.h>
#include "msgboxwatcher.h"
#include "core/utility.h"

namespace {

TEST(Allocator, SmallBlocksComeBackFromTheirSizesFreeList) {
    void* block = RuntimeAlloc(252);
    RuntimeFree(block, 252);
    void* again = RuntimeAlloc(249);   // rounds up to the same size class
    EXPECT_EQ(again, block);
    RuntimeFree(again, 249);
}

TEST(Allocator, LargerBlocksComeFromTheSystemHeap) {
    void* small = RuntimeAlloc(252);
    RuntimeFree(small, 252);
    void* large = RuntimeAlloc(253);
    EXPECT_NE(large, small);
    EXPECT_TRUE(HeapValidate(GetProcessHeap(), 0, large));
    EXPECT_EQ(HeapSize(GetProcessHeap(), 0, large), 253u);
    RuntimeFree(large, 253);
    EXPECT_EQ(RuntimeAlloc(252), small);   // the free list was left alone
    RuntimeFree(small, 252);
}

TEST(Allocator, CountsTheBytesRequested) {
    int before = RuntimeDebugMemoryUsed();
    void* small = RuntimeAlloc(10);
    void* large = RuntimeAlloc(1000);
    EXPECT_EQ(RuntimeDebugMemoryUsed() - before, 1010);
    RuntimeFree(small, 10);
    RuntimeFree(large, 1000);
    EXPECT_EQ(RuntimeDebugMemoryUsed(), before);
}

TEST(Allocator, RecordsCarryTheirSizeAndMarker) {
    int before = RuntimeDebugMemoryUsed();
    uint32_t* record = static_cast<uint32_t*>(NewRuntimeRecord(20));
    EXPECT_EQ(record[-2], 20u);
    EXPECT_EQ(record[-1], 0xDEADBEEFu);
    EXPECT_EQ(RuntimeDebugMemoryUsed() - before, 28);
    DeleteRuntimeRecord(record);
    EXPECT_EQ(record[-1], 0xDEADDEADu);
    EXPECT_EQ(RuntimeDebugMemoryUsed(), before);
}

// The second delete is reported and frees nothing: freeing the block twice
// would put it twice on its free list and hand it out to two owners.
TEST(Allocator, RecordDeletedTwiceIsReportedAndNotFreedAgain) {
    MessageBoxWatcher watcher;
    watcher.Answer({IDOK});
    void* record = NewRuntimeRecord(20);
    DeleteRuntimeRecord(record);
    int afterFirstDelete = RuntimeDebugMemoryUsed();
    DeleteRuntimeRecord(record);
    ASSERT_TRUE(watcher.WaitForBoxes(1));
    EXPECT_NE(watcher.Seen()[0].text.find("Failed Assertion: 4\n"), std::string::npos);
    EXPECT_NE(watcher.Seen()[0].text.find(" dump : 64"), std::string::npos);
    EXPECT_EQ(RuntimeDebugMemoryUsed(), afterFirstDelete);
    void* first = RuntimeAlloc(28);
    void* second = RuntimeAlloc(28);
    EXPECT_NE(first, second);
    RuntimeFree(first, 28);
    RuntimeFree(second, 28);
}

} // namespace
