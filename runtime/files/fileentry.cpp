// Directory look-ups for folder items.
#include "fileentry.h"
#include "core/image.h"
#include "core/string.h"
#include <cstring>

namespace {

bool IsBareDrive(PathSpan path) { return path.length == 2 && path.bytes[1] == ':'; }

// Whether "X:" is one of the system's logical-drive roots ("X:\", NUL-separated).
bool IsLogicalDrive(PathSpan drive) {
    char roots[255];
    DWORD length = GetLogicalDriveStringsA(sizeof roots, roots);
    if (length == 0 || length > sizeof roots) return false;
    for (const char* root = roots; *root; root += strlen(root) + 1)
        if (AsciiUpper(root[0]) == AsciiUpper(drive.bytes[0]) && root[1] == ':') return true;
    return false;
}

} // namespace

PathText::PathText(PathSpan path) : ok(path.length < sizeof text) {
    uint32_t length = ok ? path.length : 0;
    memcpy(text, path.bytes, length);
    text[length] = 0;
}

bool FindEntry(PathSpan path, WIN32_FIND_DATAA* found) {
    PathText text(path);
    if (!text.ok) return false;
    HANDLE search = FindFirstFileA(text.text, found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

bool IsFolder(PathSpan path) {
    if (IsBareDrive(path)) return true;
    WIN32_FIND_DATAA found;
    return FindEntry(path, &found) && (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool EntryExists(PathSpan path) {
    WIN32_FIND_DATAA found;
    if (FindEntry(path, &found)) return true;
    return IsBareDrive(path) && IsLogicalDrive(path);
}

StringObject* NewApplicationFolder() {
    char program[1024];
    DWORD length = GetModuleFileNameA(gInstance, program, sizeof program);
    StringRef parent(NewParentPath({program, length}));
    PathSpan folder = PathAsRead(parent.get());
    return NewJoinedPath(&folder, 1);
}
