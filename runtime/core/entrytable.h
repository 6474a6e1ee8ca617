// The runtime entry table: every routine that compiled application code and
// plug-ins may call, by name. The image linker binds the image's imports
// through LinkLookup; plug-ins ask PluginLookup, the callback resolver that
// the plug-in host hands them. A name that occurs in two slots holds the same
// routine in both, so the two lookups always agree on the routine.
#pragma once
#include <cstdint>

struct EntrySlot {
    const char* name;      // nullptr for an empty slot
    void* routine;
    uint32_t reserved0;
    uint32_t reserved1;
};
static_assert(sizeof(EntrySlot) == 16, "entry slots are four words");

constexpr int kEntrySlotCount = 1185;     // the named slots, then empty ones
constexpr int kNamedEntrySlotCount = 1059;

extern const EntrySlot RuntimeEntryTable[kEntrySlotCount];

// The routine of the first slot whose name equals name ignoring case
// (lstrcmpiA); nullptr when there is none.
void* LinkLookup(const char* name);

// The routine of name in the entry-point dictionary, a stringmap built from
// all named slots on the first call (later slots replace earlier ones);
// nullptr for an unknown, empty or null name. Called by plug-ins: cdecl.
extern "C" void* PluginLookup(const char* name);
