// Questions a folder item asks the file system about the entry its path
// names. Nothing is kept: every question goes to the file system anew.
#pragma once
#include "paths.h"
#include <windows.h>

// The directory look-up of one entry; false when it is not found.
bool FindEntry(PathSpan path, WIN32_FIND_DATAA* found);

// A bare drive ("C:"), or an entry found with the directory attribute.
bool IsFolder(PathSpan path);

// The entry is found, or the path is a bare drive among the logical drives.
bool EntryExists(PathSpan path);

// The folder of the running program, without a trailing backslash ("C:" for
// a program at a drive's root). A new string.
StringObject* NewApplicationFolder();
