// The FolderItem class as far as the start needs it: its fields, the path
// flag and the path, and the destructor that releases the path. Its members
// come with the file subsystem.
#include "fileclasses.h"
#include "core/objects.h"
#include "core/string.h"
#include "fileentry.h"
#include "textstreams.h"

namespace {

struct FolderItemFields {
    ObjectInstance header;
    bool pathSet;
    StringObject* path;   // owned once pathSet is on
};

ClassRecord* folderItemClass;

void DestroyFolderItem(ObjectInstance* object, ClassRecord*) {
    FolderItemFields* item = reinterpret_cast<FolderItemFields*>(object);
    if (item->pathSet) RuntimeUnlockString(item->path);
}

} // namespace

void RegisterFileClasses() {
    if (folderItemClass) return;
    folderItemClass = RegisterBuiltinClass("FolderItem", nullptr, sizeof(FolderItemFields), nullptr,
                                           &DestroyFolderItem);
    RegisterTextStreamClasses();
}

ObjectInstance* NewFolderItem() {
    RegisterFileClasses();
    return NewInstance(folderItemClass);
}

ObjectInstance* NewFolderItemFor(StringObject* path) {
    if (!path) return nullptr;
    ObjectInstance* item = NewFolderItem();
    SetFolderItemPath(item, path);
    return item;
}

ObjectInstance* NewFolderItemFor(PathSpan path) {
    StringRef text(NewJoinedPath(&path, 1));
    return NewFolderItemFor(text.get());
}

void SetFolderItemPath(ObjectInstance* object, StringObject* path) {
    FolderItemFields* item = reinterpret_cast<FolderItemFields*>(object);
    RuntimeLockString(path);
    if (item->pathSet) RuntimeUnlockString(item->path);
    item->path = path;
    item->pathSet = true;
}

PathSpan FolderItemPath(ObjectInstance* object) {
    FolderItemFields* item = reinterpret_cast<FolderItemFields*>(object);
    if (!item->pathSet) {
        StringRef folder(NewApplicationFolder());
        SetFolderItemPath(object, folder.get());
    }
    return PathAsRead(item->path);
}

ClassRecord* FolderItemClass() {
    RegisterFileClasses();
    return folderItemClass;
}
