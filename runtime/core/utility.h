// The runtime's small-block allocator. String objects, text blocks, object
// instances and the runtime's own records all come from here.
#pragma once
#include <cstddef>
#include <cstdint>

// Created by the process entry before anything allocates.
void InitAllocatorLock();

// Allocates size bytes. With mayFail set an exhausted heap yields nullptr;
// otherwise exhaustion ends the process (the runtime cannot go on without it).
void* RuntimeAlloc(size_t size, bool mayFail = false);

// Frees a block; size must be the size it was allocated with.
void RuntimeFree(void* block, size_t size);

// Bytes handed out and not yet freed, counted as requested (not rounded).
extern "C" int RuntimeDebugMemoryUsed();

// Runtime records: blocks with a size and a 0xDEADBEEF marker before them, so
// that a record deleted twice is caught.
void* NewRuntimeRecord(size_t size);
void DeleteRuntimeRecord(void* record);
