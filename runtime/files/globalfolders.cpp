// The global functions that give folder items for the drives and for the
// folders the system keeps: the shell's special folders, the Windows and
// system directories and the temporary-files directory. Their items take the
// system's path as given.
#include "folderitemroutines.h"
#include "fileclasses.h"
#include <windows.h>
#include <shlobj.h>

namespace {

ObjectInstance* SpecialFolder(int csidl) {
    LPITEMIDLIST list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &list)) || !list) return nullptr;
    char path[MAX_PATH];
    bool found = SHGetPathFromIDListA(list, path);
    CoTaskMemFree(list);
    return found ? NewFolderItemFor(SpanOf(path)) : nullptr;
}

// An item for what a Get...Directory routine writes into a buffer of MAX_PATH.
template <typename Get>
ObjectInstance* SystemFolder(Get get) {
    char path[MAX_PATH];
    UINT length = get(path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? NewFolderItemFor(PathSpan{path, length}) : nullptr;
}

UINT WindowsFolder(char* path, UINT size) { return GetWindowsDirectoryA(path, size); }
UINT SystemDirectory(char* path, UINT size) { return GetSystemDirectoryA(path, size); }
UINT TemporaryFolder(char* path, UINT size) { return GetTempPathA(size, path); }

} // namespace

extern "C" int32_t getVolumeCount() {
    DWORD drives = GetLogicalDrives();
    int32_t count = 0;
    for (int letter = 0; letter < 32; letter++) count += (drives >> letter) & 1;
    return count;
}

// Drives are counted from C to Z first, then A and B, so that the floppy
// drives do not come before the hard disks.
extern "C" ObjectInstance* getVolume(int32_t index) {
    DWORD drives = GetLogicalDrives();
    for (int rank = 0; rank < 26; rank++) {
        int letter = rank < 24 ? rank + 2 : rank - 24;
        if (!(drives >> letter & 1) || index-- != 0) continue;
        char path[] = {char('A' + letter), ':', 0};
        return NewFolderItemFor(SpanOf(path));
    }
    return nullptr;
}

extern "C" ObjectInstance* getDesktopFolder() { return SpecialFolder(CSIDL_DESKTOP); }
extern "C" ObjectInstance* getFontsFolder() { return SpecialFolder(CSIDL_FONTS); }
extern "C" ObjectInstance* getTrashFolder() { return SpecialFolder(CSIDL_BITBUCKET); }
extern "C" ObjectInstance* getStartupItemsFolder() { return SpecialFolder(CSIDL_STARTUP); }
extern "C" ObjectInstance* getAppleMenuFolder() { return SpecialFolder(CSIDL_PROGRAMS); }
extern "C" ObjectInstance* getControlPanelsFolder() { return SpecialFolder(CSIDL_CONTROLS); }

extern "C" ObjectInstance* getPreferencesFolder() { return SystemFolder(WindowsFolder); }
extern "C" ObjectInstance* getApplicationSupportFolder() { return SystemFolder(WindowsFolder); }
extern "C" ObjectInstance* getSystemFolder() { return SystemFolder(SystemDirectory); }
extern "C" ObjectInstance* getExtensionsFolder() { return SystemFolder(SystemDirectory); }
extern "C" ObjectInstance* getTemporaryItemsFolder() { return SystemFolder(TemporaryFolder); }

extern "C" ObjectInstance* getShutdownItemsFolder() { return nullptr; }

// The system makes the empty file and its name from the prefix "obt".
extern "C" ObjectInstance* getTemporaryFolderItem() {
    char folder[MAX_PATH], path[MAX_PATH];
    DWORD length = GetTempPathA(MAX_PATH, folder);
    if (length == 0 || length >= MAX_PATH || !GetTempFileNameA(folder, "obt", 0, path)) return nullptr;
    return NewFolderItemFor(SpanOf(path));
}
