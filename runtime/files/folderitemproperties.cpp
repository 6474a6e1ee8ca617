// The properties of FolderItem. Each one asks the file system anew about the
// entry that the item's path names; a missing entry answers as nothing there:
// not a folder, length 0, not locked, visible, no dates.
#include "folderitemroutines.h"
#include "core/objects.h"
#include "core/string.h"
#include "fileclasses.h"
#include "fileentry.h"
#include "filetypes.h"

namespace {

// Adds or removes one attribute of the entry; a missing entry stays missing.
void ChangeAttribute(ObjectInstance* item, DWORD attribute, bool on) {
    PathSpan path = FolderItemPath(item);
    WIN32_FIND_DATAA found;
    PathText text(path);
    if (!text.ok || !FindEntry(path, &found)) return;
    DWORD attributes = found.dwFileAttributes & ~attribute;
    SetFileAttributesA(text.text, on ? attributes | attribute : attributes);
}

bool HasAttribute(ObjectInstance* item, DWORD attribute) {
    WIN32_FIND_DATAA found;
    return FindEntry(FolderItemPath(item), &found) && (found.dwFileAttributes & attribute);
}

} // namespace

extern "C" StringObject* fileAbsolutePathGetter(ObjectInstance* item, int32_t) {
    PathSpan path = FolderItemPath(item);
    return NewJoinedPath(&path, 1);
}

extern "C" StringObject* fileNameGetter(ObjectInstance* item, int32_t) {
    PathSpan name = SplitPath(FolderItemPath(item)).name;
    return NewJoinedPath(&name, 1);
}

extern "C" int32_t fileSizeGetter(ObjectInstance* item, int32_t) {
    WIN32_FIND_DATAA found;
    return FindEntry(FolderItemPath(item), &found) ? int32_t(found.nFileSizeLow) : 0;
}

extern "C" bool fileLockedGetter(ObjectInstance* item, int32_t) {
    return HasAttribute(item, FILE_ATTRIBUTE_READONLY);
}

extern "C" void fileLockedSetter(ObjectInstance* item, int32_t, bool locked) {
    ChangeAttribute(item, FILE_ATTRIBUTE_READONLY, locked);
}

extern "C" bool fileVisibleGetter(ObjectInstance* item, int32_t) {
    return !HasAttribute(item, FILE_ATTRIBUTE_HIDDEN);
}

extern "C" void fileVisibleSetter(ObjectInstance* item, int32_t, bool visible) {
    ChangeAttribute(item, FILE_ATTRIBUTE_HIDDEN, !visible);
}

extern "C" bool fileExistsGetter(ObjectInstance* item, int32_t) {
    return EntryExists(FolderItemPath(item));
}

extern "C" bool fileDirectoryGetter(ObjectInstance* item, int32_t) {
    return IsFolder(FolderItemPath(item));
}

extern "C" StringObject* fileTypeGetter(ObjectInstance* item, int32_t) {
    return NewFileTypeNameOf(FolderItemPath(item));
}

// A drive root is its own parent, and has none.
extern "C" ObjectInstance* folderParentGetter(ObjectInstance* item, int32_t) {
    PathSpan path = FolderItemPath(item);
    StringRef parent(NewParentPath(path));
    if (SameIgnoringAsciiCase(SpanOf(parent.get()), path)) return nullptr;
    return NewFolderItemFor(parent.get());
}

// The dates are Date objects, and this runtime has no Date class: the
// getters find no date to give and the setters none to take.
extern "C" ObjectInstance* folderGetCreation(ObjectInstance*, int32_t) { return nullptr; }
extern "C" void folderSetCreation(ObjectInstance*, int32_t, ObjectInstance*) {}
extern "C" ObjectInstance* folderGetModified(ObjectInstance*, int32_t) { return nullptr; }
extern "C" void folderSetModified(ObjectInstance*, int32_t, ObjectInstance*) {}

// Members of other platforms' file systems, inert here.
extern "C" int32_t fileRFSizeGetter(ObjectInstance*, int32_t) { return 0; }
extern "C" bool fileAliasGetter(ObjectInstance*, int32_t) { return false; }
extern "C" StringObject* fileMacTypeGetter(ObjectInstance*, int32_t) { return nullptr; }
extern "C" void fileMacTypeSetter(ObjectInstance*, int32_t, StringObject*) {}
extern "C" StringObject* fileMacCreatorGetter(ObjectInstance*, int32_t) { return nullptr; }
extern "C" void fileMacCreatorSetter(ObjectInstance*, int32_t, StringObject*) {}
extern "C" ObjectInstance* folderFindFolder(ObjectInstance*, int32_t) { return nullptr; }
