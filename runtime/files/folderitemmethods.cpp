// The FolderItem members that name other entries or change the file system:
// Child, rename, Delete, CreateAsFolder, Launch, CopyFileTo and MoveFileTo.
// None of them reports a failure; the caller asks the items afterwards.
#include "folderitemroutines.h"
#include "core/objects.h"
#include "core/string.h"
#include "fileclasses.h"
#include "fileentry.h"
#include <shellapi.h>

namespace {

// Where a file copied or moved to the destination ends up: inside it when it
// is a folder, else at its path.
StringObject* NewTargetPath(ObjectInstance* item, ObjectInstance* destination) {
    PathSpan target = FolderItemPath(destination);
    if (!IsFolder(target)) return NewJoinedPath(&target, 1);
    return NewChildPath(target, SplitPath(FolderItemPath(item)).name);
}

template <typename Transfer>
void TransferFile(ObjectInstance* item, ObjectInstance* destination, Transfer transfer) {
    if (!destination) return;
    StringRef target(NewTargetPath(item, destination));
    PathText from(FolderItemPath(item)), to(SpanOf(target.get()));
    if (from.ok && to.ok) transfer(from.text, to.text);
}

} // namespace

// The new name is a path of its own when it is absolute, else it replaces the
// name part. The item follows the name even when the move fails, as the
// caller asked for that name. An empty name would make the item its own
// folder, so it renames nothing.
extern "C" void fileNameSetter(ObjectInstance* item, int32_t, StringObject* name) {
    if (StringLength(name) == 0) return;
    PathSpan path = FolderItemPath(item);
    PathParts parts = SplitPath(path);
    PathSpan pieces[] = {parts.volume, parts.directory, SpanOf(name)};
    StringRef renamed(IsAbsolutePath(SpanOf(name)) ? LockedString(name) : NewJoinedPath(pieces, 3));
    PathText from(path), to(SpanOf(renamed.get()));
    if (from.ok && to.ok) MoveFileA(from.text, to.text);
    SetFolderItemPath(item, renamed.get());
}

extern "C" ObjectInstance* FolderChild(ObjectInstance* item, StringObject* name) {
    StringRef path(NewChildPath(FolderItemPath(item), SpanOf(name)));
    return NewFolderItemFor(path.get());
}

extern "C" ObjectInstance* FolderTrueChild(ObjectInstance* item, StringObject* name) {
    return FolderChild(item, name);
}

extern "C" void FolderItemDelete(ObjectInstance* item) {
    PathSpan path = FolderItemPath(item);
    PathText text(path);
    if (!text.ok) return;
    if (IsFolder(path))
        RemoveDirectoryA(text.text);
    else
        DeleteFileA(text.text);
}

extern "C" void FolderItemCreateAsFolder(ObjectInstance* item) {
    PathText text(FolderItemPath(item));
    if (text.ok) CreateDirectoryA(text.text, nullptr);
}

extern "C" void FolderItemLaunch(ObjectInstance* item) {
    PathText text(FolderItemPath(item));
    if (text.ok) ShellExecuteA(nullptr, "open", text.text, nullptr, nullptr, SW_SHOWNORMAL);
}

extern "C" void FolderItemCopyFileTo(ObjectInstance* item, ObjectInstance* destination) {
    TransferFile(item, destination, [](const char* from, const char* to) { CopyFileA(from, to, FALSE); });
}

extern "C" void FolderItemMoveFileTo(ObjectInstance* item, ObjectInstance* destination) {
    TransferFile(item, destination, [](const char* from, const char* to) { MoveFileA(from, to); });
}
