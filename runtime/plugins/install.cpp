// Plug-in installation. The image hands over its chain of stored plug-in
// records before RuntimeInit; the install step writes each library into the
// system directory (or the Windows directory when that refuses the file),
// loads it from there and runs its entry point. The last stored record is
// installed first.
//
// A stored record: next record's address (0 ends the chain), byte count c of
// everything from offset 8, a reserved word, the name length n (a signed
// byte), the name, then c - 5 - n bytes of the library.
#include "install.h"
#include "classlinking.h"
#include "pluginrecords.h"
#include "core/entrytable.h"
#include "core/failedassertion.h"
#include "core/string.h"
#include "core/utility.h"
#include <cstring>

namespace {

const uint8_t* pendingChain;
bool installed;

constexpr uint32_t kPathBuffer = 1024;

struct WorkEntry {
    WorkEntry* next;
    StringObject* name;
    const uint8_t* bytes;
    uint32_t length;
};

uint32_t WordAt(const uint8_t* at) {
    uint32_t word;
    memcpy(&word, at, 4);
    return word;
}

// A record whose name length or count cannot describe a library is passed
// over: its bytes would lie outside the record.
WorkEntry* NewWorkEntry(const uint8_t* record, WorkEntry* next) {
    uint32_t count = WordAt(record + 4);
    int8_t nameLength = static_cast<int8_t>(record[12]);
    if (nameLength < 1 || count < 5u + static_cast<uint32_t>(nameLength)) return next;
    WorkEntry* entry = static_cast<WorkEntry*>(NewRuntimeRecord(sizeof(WorkEntry)));
    *entry = WorkEntry{next, NewString(record + 13, static_cast<uint32_t>(nameLength)),
                       record + 13 + nameLength, count - (5u + static_cast<uint32_t>(nameLength))};
    return entry;
}

// The entries front to back run from the last stored record to the first.
WorkEntry* BuildWorkList(const uint8_t* record) {
    WorkEntry* list = nullptr;
    for (; record; record = reinterpret_cast<const uint8_t*>(WordAt(record)))
        list = NewWorkEntry(record, list);
    return list;
}

// Fills path with folder "\" name; false when it would not fit the buffer.
// A path that would not fit is left empty, and nothing is created or loaded
// under a cut-off name.
bool ComposePath(char* path, UINT (WINAPI* folderOf)(LPSTR, UINT), const StringObject* name) {
    UINT folderLength = folderOf(path, kPathBuffer);
    if (folderLength == 0 || folderLength >= kPathBuffer ||
        folderLength + 1 + StringLength(name) >= kPathBuffer) {
        path[0] = 0;
        return false;
    }
    lstrcatA(path, "\\");
    lstrcatA(path, StringText(name));
    return true;
}

HFILE CreateIn(char* path, UINT (WINAPI* folderOf)(LPSTR, UINT), const StringObject* name) {
    if (!ComposePath(path, folderOf, name)) return HFILE_ERROR;
    return _lcreat(path, 0);
}

void Install(const WorkEntry* entry) {
    char path[kPathBuffer];
    HFILE file = CreateIn(path, GetSystemDirectoryA, entry->name);
    if (file == HFILE_ERROR) file = CreateIn(path, GetWindowsDirectoryA, entry->name);
    if (file != HFILE_ERROR) {
        _lwrite(file, reinterpret_cast<LPCCH>(entry->bytes), entry->length);
        _lclose(file);
    } else {
        FailedAssertion(131, 4, "plugin", 2135);
    }
    // A library already present at that path is loaded even if it could
    // not be written now.
    if (path[0]) LoadPluginLibrary(path);
}

} // namespace

extern "C" const void* Win32InstallPlugins(const void* firstStoredRecord) {
    if (!installed) pendingChain = static_cast<const uint8_t*>(firstStoredRecord);
    return firstStoredRecord;
}

void LoadPluginLibrary(const char* path) {
    HMODULE module = LoadLibraryA(path);
    if (!module) return;
    using EntryPoint = void (*)(void* (*resolver)(const char*));
    EntryPoint main = reinterpret_cast<EntryPoint>(
        reinterpret_cast<void*>(GetProcAddress(module, "OPALPluginMain")));
    if (!main) return;
    BeginPlugin(module);
    main(PluginLookup);
    EndPlugin();
}

void InstallStoredPlugins() {
    if (installed) return;
    installed = true;
    WorkEntry* entry = BuildWorkList(pendingChain);
    while (entry) {
        WorkEntry* next = entry->next;
        Install(entry);
        RuntimeUnlockString(entry->name);
        DeleteRuntimeRecord(entry);
        entry = next;
    }
    LinkPluginClasses();
}
