// The built-in classes of the file subsystem, and the folder item that the
// runtime's start hands to the application's OpenDocument event.
#pragma once

struct ObjectInstance;
struct StringObject;

// Registers FolderItem (and, as they are built, the stream classes).
void RegisterFileClasses();

// A new FolderItem without a path.
ObjectInstance* NewFolderItem();
// Stores the item's path and marks it set.
void SetFolderItemPath(ObjectInstance* item, StringObject* path);
