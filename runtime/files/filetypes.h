// The project's file types as folder items use them: the Type of a path and
// the filter of the save and open dialogs.
#pragma once
#include "paths.h"
#include <string>

struct StringObject;

// The name of the first file type with the best score for the path: 2 when
// one of its extensions ends the path, else 1. Empty without file types.
StringObject* NewFileTypeNameOf(PathSpan path);

// What a dialog offers for a ";"-separated list of file type names.
struct FileTypeFilter {
    std::string bytes;              // name, NUL, pattern, NUL per name; two NULs more
    std::string defaultExtension;   // without its "."; empty when none was found
};
FileTypeFilter BuildFileTypeFilter(PathSpan fileTypeNames);
