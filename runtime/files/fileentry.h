// Questions a folder item asks the file system about the entry its path
// names. Nothing is kept: every question goes to the file system anew.
#pragma once
#include "paths.h"
#include <windows.h>

// A path as Win32 wants it: NUL-terminated in a buffer of its own. A path too
// long for the buffer is not copied (ok false), so that it names nothing.
struct PathText {
    explicit PathText(PathSpan path);
    char text[MAX_PATH * 2];
    bool ok;
};

// The directory look-up of one entry; false when it is not found.
bool FindEntry(PathSpan path, WIN32_FIND_DATAA* found);

// A bare drive ("C:"), or an entry found with the directory attribute.
bool IsFolder(PathSpan path);

// The entry is found, or the path is a bare drive among the logical drives.
bool EntryExists(PathSpan path);

// The folder of the running program, without a trailing backslash ("C:" for
// a program at a drive's root). A new string.
StringObject* NewApplicationFolder();
