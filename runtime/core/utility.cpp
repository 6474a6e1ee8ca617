// The small-block allocator. Requests of up to 252 bytes are rounded up to a
// multiple of four and served from one free list per size; an empty list cuts
// its block from the current 8 KiB chunk. Chunks are never returned: string
// and object churn recycles through the free lists at the cost of a pointer
// swap. Larger requests go to the system heap. One critical section guards it
// all, since plug-ins may allocate from other threads.
#include "utility.h"
#include "failedassertion.h"
#include <windows.h>

namespace {

constexpr size_t kLargestSmallBlock = 252;
constexpr size_t kSizeClasses = kLargestSmallBlock / 4;   // 63 lists
constexpr size_t kChunkSize = 8192;
constexpr uint32_t kRecordMarker = 0xDEADBEEF;
constexpr uint32_t kDeletedMarker = 0xDEADDEAD;

struct FreeBlock { FreeBlock* next; };

CRITICAL_SECTION allocatorLock;
FreeBlock* freeLists[kSizeClasses];
char* chunkCursor;
size_t chunkRoom;
long bytesHandedOut;

class AllocatorLocked {
public:
    AllocatorLocked() { EnterCriticalSection(&allocatorLock); }
    ~AllocatorLocked() { LeaveCriticalSection(&allocatorLock); }
};

size_t SizeClassOf(size_t size) { return (size + 3) / 4 - 1; }

void* CutFromChunk(size_t rounded) {
    if (chunkRoom < rounded) {
        char* chunk = static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, kChunkSize));
        if (!chunk) return nullptr;
        chunkCursor = chunk;        // the rest of the old chunk is abandoned
        chunkRoom = kChunkSize;
    }
    void* block = chunkCursor;
    chunkCursor += rounded;
    chunkRoom -= rounded;
    return block;
}

void* AllocateSmall(size_t size) {
    size_t sizeClass = SizeClassOf(size);
    if (FreeBlock* block = freeLists[sizeClass]) {
        freeLists[sizeClass] = block->next;
        return block;
    }
    return CutFromChunk((sizeClass + 1) * 4);
}

[[noreturn]] void OutOfMemory() {
    // Nothing can be shown without memory; the drawing focus is given up by
    // ExitProcess's own clean-up of the thread's device contexts.
    ExitProcess(0);
}

} // namespace

void InitAllocatorLock() {
    InitializeCriticalSection(&allocatorLock);
}

void* RuntimeAlloc(size_t size, bool mayFail) {
    if (size == 0) size = 1;
    void* block;
    {
        AllocatorLocked locked;
        block = size <= kLargestSmallBlock ? AllocateSmall(size)
                                           : HeapAlloc(GetProcessHeap(), 0, size);
        if (block) bytesHandedOut += static_cast<long>(size);
    }
    if (!block && !mayFail) OutOfMemory();
    return block;
}

void RuntimeFree(void* block, size_t size) {
    if (!block) return;
    if (size == 0) size = 1;
    AllocatorLocked locked;
    bytesHandedOut -= static_cast<long>(size);
    if (size > kLargestSmallBlock) {
        HeapFree(GetProcessHeap(), 0, block);
        return;
    }
    FreeBlock* freed = static_cast<FreeBlock*>(block);
    size_t sizeClass = SizeClassOf(size);
    freed->next = freeLists[sizeClass];
    freeLists[sizeClass] = freed;
}

extern "C" int RuntimeDebugMemoryUsed() {
    AllocatorLocked locked;
    return static_cast<int>(bytesHandedOut);
}

namespace {
struct RecordHeader {
    uint32_t size;
    uint32_t marker;
};
}

void* NewRuntimeRecord(size_t size) {
    RecordHeader* header = static_cast<RecordHeader*>(RuntimeAlloc(size + sizeof(RecordHeader)));
    header->size = static_cast<uint32_t>(size);
    header->marker = kRecordMarker;
    return header + 1;
}

void DeleteRuntimeRecord(void* record) {
    if (!record) return;
    RecordHeader* header = static_cast<RecordHeader*>(record) - 1;
    if (header->marker != kRecordMarker) {
        // Not a live record (most likely deleted before): freeing it again
        // would put its block on a free list twice, for two later owners.
        FailedAssertion(0, 4, "dump", 64);
        return;
    }
    header->marker = kDeletedMarker;
    RuntimeFree(header, header->size + sizeof(RecordHeader));
}
