// The entry table's layout and both lookups. No test calls a placeholder of
// a routine not built yet: it would stop at its failed-assertion box.
#include "core/entrytable.h"
#include "core/string.h"
#include "core/utility.h"
#include "ui/msgbox.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

void* Routine(const char* name) {
    for (const EntrySlot& slot : RuntimeEntryTable)
        if (slot.name && strcmp(slot.name, name) == 0) return slot.routine;
    return nullptr;
}

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

TEST(EntryTable, NamedSlotsThenEmptyOnes) {
    for (int i = 0; i < kEntrySlotCount; i++) {
        const EntrySlot& slot = RuntimeEntryTable[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(0u, slot.reserved0);
        EXPECT_EQ(0u, slot.reserved1);
        if (i < kNamedEntrySlotCount) {
            ASSERT_NE(nullptr, slot.name);
            EXPECT_NE('\0', slot.name[0]);
            EXPECT_NE(nullptr, slot.routine) << slot.name;
        } else {
            EXPECT_EQ(nullptr, slot.name);
            EXPECT_EQ(nullptr, slot.routine);
        }
    }
    EXPECT_EQ(1059, kNamedEntrySlotCount);
    EXPECT_EQ(126, kEntrySlotCount - kNamedEntrySlotCount);
}

TEST(EntryTable, FirstFiveSlots) {
    const char* expected[] = {"RuntimeInit", "RuntimeCreateWindow", "RuntimeLockObject",
                              "RuntimeUnlockObject", "RuntimeRun"};
    for (int i = 0; i < 5; i++) EXPECT_STREQ(expected[i], RuntimeEntryTable[i].name);
}

// Names are compared ignoring case everywhere, so duplicates are counted so.
TEST(EntryTable, OnlyThreeNamesOccurTwiceAndHoldOneRoutine) {
    std::map<std::string, std::vector<int>> slotsOfName;
    for (int i = 0; i < kNamedEntrySlotCount; i++)
        slotsOfName[Upper(RuntimeEntryTable[i].name)].push_back(i);
    std::map<std::string, int> duplicated;
    for (const auto& [name, slots] : slotsOfName) {
        if (slots.size() == 1) continue;
        duplicated[name] = static_cast<int>(slots.size());
        EXPECT_EQ(RuntimeEntryTable[slots[0]].routine, RuntimeEntryTable[slots[1]].routine) << name;
    }
    std::map<std::string, int> expected = {
        {"GETSERIALPORTCOUNT", 2}, {"OPALBUILDPICTUREFROMDIB", 2}, {"UNLOCKPICTUREDESCRIPTION", 2}};
    EXPECT_EQ(expected, duplicated);
}

// Every name, as listed and in other letter cases, leads both lookups to the
// routine of its slot. The linker's scan is slow, so it sees one spelling of
// each name, in turn.
TEST(EntryTable, BothLookupsFindEveryNameInAnyLetterCase) {
    for (int i = 0; i < kNamedEntrySlotCount; i++) {
        const EntrySlot& slot = RuntimeEntryTable[i];
        std::string lower = slot.name;
        CharLowerA(&lower[0]);
        const std::string spellings[] = {slot.name, Upper(slot.name), lower};
        for (const std::string& name : spellings)
            EXPECT_EQ(slot.routine, PluginLookup(name.c_str())) << name;
        const std::string& name = spellings[i % 3];
        EXPECT_EQ(slot.routine, LinkLookup(name.c_str())) << name;
    }
}

TEST(EntryTable, LookupsOfNamesNotInTheTable) {
    const char* const cases[] = {
        nullptr,
        "",                        // would match an empty slot if one were taken for ""
        "NoSuchEntryPoint",
        "RuntimeLockStrin",        // a prefix of a name
        "RuntimeLockStringX",      // a name with more after it
        " RuntimeLockString",
    };
    for (const char* name : cases) {
        SCOPED_TRACE(name ? name : "(null)");
        EXPECT_EQ(nullptr, LinkLookup(name));
        EXPECT_EQ(nullptr, PluginLookup(name));
    }
}

// Routines that exist are in the table themselves, not behind a placeholder.
TEST(EntryTable, BuiltRoutinesAreTheirOwnEntries) {
    EXPECT_EQ(reinterpret_cast<void*>(&RuntimeLockString), PluginLookup("runtimelockstring"));
    EXPECT_EQ(reinterpret_cast<void*>(&RuntimeUnlockString), LinkLookup("RUNTIMEUNLOCKSTRING"));
    EXPECT_EQ(reinterpret_cast<void*>(&RuntimeAddString), PluginLookup("RuntimeAddString"));
    EXPECT_EQ(reinterpret_cast<void*>(&RuntimeDebugMemoryUsed), LinkLookup("runtimeDebugMemoryUsed"));
    EXPECT_EQ(reinterpret_cast<void*>(&RuntimeMsgBox), PluginLookup("RuntimeMsgBox"));
}

// Unsupported periphery returns 0 where callers take integers and 0.0 on the
// FPU stack where they take a double: a routine that pushed nothing would
// leave the caller reading an empty stack, which gives a NaN.
TEST(EntryTable, UnsupportedRoutinesReturnZeroOfTheirKind) {
    using IntRoutine = int (*)(int, int);
    using FloatRoutine = double (*)(int, int);
    for (const char* name : {"memoryGetLong", "socketPoll", "variantToInt", "clipboardTextGetter"}) {
        void* routine = Routine(name);
        ASSERT_NE(nullptr, routine) << name;
        EXPECT_EQ(0, reinterpret_cast<IntRoutine>(routine)(7, 8)) << name;
    }
    for (const char* name : {"memoryGetDouble", "variantToDouble", "getDatabaseRecordDoubleColumn",
                             "BinaryStreamReadDouble"}) {
        void* routine = Routine(name);
        ASSERT_NE(nullptr, routine) << name;
        for (int call = 0; call < 10; call++)     // more calls than the FPU stack has room
            EXPECT_EQ(0.0, reinterpret_cast<FloatRoutine>(routine)(7, 8)) << name;
    }
}

} // namespace
