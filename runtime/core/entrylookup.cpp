// The two ways of finding an entry point by name.
#include "entrytable.h"
#include "string.h"
#include "stringmap.h"
#include <windows.h>

namespace {

// Name to slot number, kept for the rest of the run once built.
StringMap* entryDictionary;

StringMap* EntryDictionary() {
    if (entryDictionary) return entryDictionary;
    entryDictionary = NewStringMap();
    for (int slot = 0; slot < kEntrySlotCount; slot++) {
        const char* name = RuntimeEntryTable[slot].name;
        if (!name) continue;
        StringRef key(NewStringFromText(name));
        StringMapInsert(entryDictionary, key.get(), static_cast<uint32_t>(slot));
    }
    return entryDictionary;
}

} // namespace

void* LinkLookup(const char* name) {
    if (!name) return nullptr;
    for (const EntrySlot& slot : RuntimeEntryTable)
        if (slot.name && lstrcmpiA(slot.name, name) == 0) return slot.routine;
    return nullptr;
}

extern "C" void* PluginLookup(const char* name) {
    if (!name || !*name) return nullptr;
    StringRef key(NewStringFromText(name));
    uint32_t slot;
    if (!StringMapFind(EntryDictionary(), key.get(), &slot)) return nullptr;
    return RuntimeEntryTable[slot].routine;
}
