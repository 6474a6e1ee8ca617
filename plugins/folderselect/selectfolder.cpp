// fsel1: the global function SelectFolder, which lets the user choose a
// folder in the shell's folder browser and returns it as a FolderItem, or
// nil when the user cancels.
#include "pluginabi.h"
#include <windows.h>
#include <shlobj.h>

using namespace plugin;

namespace {

using FolderItemFromPathRoutine = void* (*)(const char* path);
using RegisterRoutine = void (*)(void* definition);
using VersionRoutine = void (*)(int version);

RuntimeRoutine registerMethod{"PluginRegisterMethod", false, nullptr};
RuntimeRoutine folderItemFromPath{"FolderItemFromPath", false, nullptr};

// The path of an item list; false if it names no file-system folder.
bool PathOf(LPCITEMIDLIST items, char (&path)[MAX_PATH]) {
    return items && SHGetPathFromIDListA(items, path);
}

// Opens the dialog on the current directory and keeps the status line on
// the full path of the selection.
int CALLBACK BrowseCallback(HWND dialog, UINT message, LPARAM parameter, LPARAM) {
    char path[MAX_PATH];
    if (message == BFFM_INITIALIZED) {
        DWORD length = GetCurrentDirectoryA(sizeof path, path);
        if (length > 0 && length < sizeof path)
            SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(path));
    } else if (message == BFFM_SELCHANGED) {
        if (PathOf(reinterpret_cast<LPCITEMIDLIST>(parameter), path))
            SendMessageA(dialog, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(path));
    }
    return 0;
}

void* FolderItemFor(const char* path) {
    auto make = folderItemFromPath.as<FolderItemFromPathRoutine>();
    return make ? make(path) : nullptr;
}

void* SelectFolder() {
    IMalloc* allocator = nullptr;
    if (FAILED(SHGetMalloc(&allocator)) || !allocator) return nullptr;
    BROWSEINFOA settings = {};
    settings.hwndOwner = GetForegroundWindow();
    settings.ulFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT;
    settings.lpfn = BrowseCallback;
    LPITEMIDLIST chosen = SHBrowseForFolderA(&settings);
    void* result = nullptr;
    char path[MAX_PATH];
    if (PathOf(chosen, path)) result = FolderItemFor(path);
    if (chosen) allocator->Free(chosen);
    allocator->Release();
    return result;
}

MethodDefinition selectFolderDefinition = {reinterpret_cast<void*>(SelectFolder), nullptr,
                                           "SelectFolder as FolderItem"};

} // namespace

extern "C" void OPALPluginMain(Resolver callbackResolver) {
    resolver = callbackResolver;
    reinterpret_cast<VersionRoutine>(resolver("RegisterPluginVersion"))(5);
    registerMethod.as<RegisterRoutine>()(&selectFolderDefinition);
}
