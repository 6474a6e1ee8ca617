// The built-in classes of the file subsystem, and the folder item that the
// runtime's start hands to the application's OpenDocument event.
#pragma once
#include "paths.h"

struct ObjectInstance;
struct StringObject;

// Registers FolderItem (and, as they are built, the stream classes).
void RegisterFileClasses();

// A new FolderItem without a path.
ObjectInstance* NewFolderItem();
// A new FolderItem holding that path as given, with no resolution and no
// existence check (the path is locked); nil when the path cannot be made.
ObjectInstance* NewFolderItemFor(StringObject* path);
ObjectInstance* NewFolderItemFor(PathSpan path);
// Stores the item's path and marks it set.
void SetFolderItemPath(ObjectInstance* item, StringObject* path);

// The item's path as members read it (one trailing backslash removed). An
// item whose path is not set yet stands for the application folder, which is
// stored in it first. Valid while the item keeps its path.
PathSpan FolderItemPath(ObjectInstance* item);

// The class record of FolderItem (registered on first use).
struct ClassRecord;
ClassRecord* FolderItemClass();
