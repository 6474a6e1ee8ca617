// Folder items made from paths: the texts of compiled code, resolved against
// the application folder, and the paths that plug-ins hand over as they are.
#include "folderitemroutines.h"
#include "core/objects.h"
#include "core/string.h"
#include "fileclasses.h"
#include "fileentry.h"
#include <cstring>

namespace {

// Two backslashes, a server and a share: absolute without a drive colon.
bool IsNetworkPath(PathSpan path) {
    return IsAbsolutePath(path) && !memchr(path.bytes, ':', path.length);
}

// The entry a path names need not exist, only the folder that would hold it.
// A network path has no such folder at its top (the share itself), so there
// the path may pass by being a folder itself.
bool MayNameAnEntry(StringObject* path) {
    StringRef parent(NewParentPath(SpanOf(path)));
    if (IsFolder(PathAsRead(parent.get()))) return true;
    return IsNetworkPath(SpanOf(path)) && IsFolder(PathAsRead(path));
}

} // namespace

extern "C" ObjectInstance* RuntimeGetFolderItem(StringObject* text) {
    ObjectInstance* item = NewFolderItem();
    // The new, unset item stands for the application folder.
    StringRef path(NewResolvedPath(SpanOf(text), FolderItemPath(item)));
    if (!path.get() || !MayNameAnEntry(path.get())) {
        UnlockObject(item);
        return nullptr;
    }
    SetFolderItemPath(item, path.get());
    return item;
}

extern "C" ObjectInstance* RuntimeGetTrueFolderItem(StringObject* text) {
    return RuntimeGetFolderItem(text);
}

extern "C" ObjectInstance* FolderItemFromPath(const char* path) {
    return path ? NewFolderItemFor(SpanOf(path)) : nullptr;
}

extern "C" StringObject* OPALpathFromFolderItem(ObjectInstance* item) {
    return item ? fileAbsolutePathGetter(item, 0) : nullptr;
}
