// Path arithmetic of folder items. Paths are bytes in the system's code page
// with folders separated by backslashes; a forward slash is an ordinary
// character here (the file system alone takes it as a separator).
#pragma once
#include <cstdint>

struct StringObject;

// A piece of a path: bytes that live in the path or in a static text.
struct PathSpan {
    const char* bytes;
    uint32_t length;
};

struct PathParts {
    PathSpan volume;      // "C:\", "C:" or "\\" (or a single "\")
    PathSpan directory;   // the folders, ending in a backslash, or empty
    PathSpan name;        // what follows, possibly empty
};

// Drive paths contain a ":"; network paths have a backslash as their second
// character. Everything else is relative.
bool IsAbsolutePath(PathSpan path);

// Splits an absolute path into volume, directory and name.
PathParts SplitPath(PathSpan path);

// The volume and the directory without its last backslash, or the volume
// alone when there is no directory: "C:\Tools\x.dat" gives "C:\Tools".
StringObject* NewParentPath(PathSpan path);

// The path as members read it: one trailing backslash removed.
PathSpan PathAsRead(const StringObject* path);

// What a text given to RuntimeGetFolderItem stands for: the text itself when
// it is absolute, else the application folder, a backslash and the text (a
// text beginning with a backslash starts at the root of the folder's drive).
StringObject* NewResolvedPath(PathSpan text, PathSpan applicationFolder);

// The path, a backslash (left out when the path ends in one) and the name.
StringObject* NewChildPath(PathSpan path, PathSpan name);

// The bytes of the spans one after the other, as a new string.
StringObject* NewJoinedPath(const PathSpan* spans, int count);

// Paths and the names in them compare ignoring the case of ASCII letters only.
char AsciiUpper(char c);
bool SameIgnoringAsciiCase(PathSpan a, PathSpan b);
// Whether the path ends in the suffix, ignoring ASCII case.
bool EndsIgnoringAsciiCase(PathSpan path, PathSpan suffix);

PathSpan SpanOf(const StringObject* s);
PathSpan SpanOf(const char* text);
