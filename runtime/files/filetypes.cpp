// The file types of the project's settings, matched against paths and turned
// into the filters of the common file dialogs.
#include "filetypes.h"
#include "core/settings.h"
#include "core/string.h"

namespace {

// Calls visit for each non-empty piece of a ";"-separated list. Empty pieces
// (a trailing ";", or ";;") stand for nothing.
template <typename Visit>
void ForEachPiece(PathSpan list, Visit visit) {
    uint32_t start = 0;
    for (uint32_t i = 0; i <= list.length; i++) {
        if (i < list.length && list.bytes[i] != ';') continue;
        if (i > start) visit(PathSpan{list.bytes + start, i - start});
        start = i + 1;
    }
}

bool HasExtensionOf(PathSpan path, const FileType& fileType) {
    bool found = false;
    ForEachPiece(SpanOf(fileType.extensions), [&](PathSpan extension) {
        found = found || EndsIgnoringAsciiCase(path, extension);
    });
    return found;
}

// "????" and the empty code both mean that the type names no code.
bool IsNoCode(const StringObject* code) {
    return StringLength(code) == 0 || SameIgnoringAsciiCase(SpanOf(code), SpanOf("????"));
}

void Append(std::string& text, PathSpan piece) { text.append(piece.bytes, piece.length); }

// Adds what one file type offers to the pattern of its name.
void AddToPattern(const FileType& fileType, std::string& pattern, FileTypeFilter& filter) {
    if (StringLength(fileType.extensions) == 0) {
        if (pattern.empty() && IsNoCode(fileType.type)) pattern = "*.*";
        return;
    }
    ForEachPiece(SpanOf(fileType.extensions), [&](PathSpan extension) {
        if (pattern.empty()) {
            pattern = "*";
            if (extension.bytes[0] == '.')
                filter.defaultExtension.assign(extension.bytes + 1, extension.length - 1);
        } else {
            pattern += ";*";
        }
        Append(pattern, extension);
    });
}

} // namespace

StringObject* NewFileTypeNameOf(PathSpan path) {
    const FileType* best = nullptr;
    int bestScore = 0;
    for (int i = 0; i < FileTypeCount(); i++) {
        const FileType* fileType = FileTypeAt(i);
        int score = HasExtensionOf(path, *fileType) ? 2 : 1;
        if (score > bestScore) best = fileType, bestScore = score;
    }
    return best ? LockedString(best->name) : nullptr;
}

FileTypeFilter BuildFileTypeFilter(PathSpan fileTypeNames) {
    FileTypeFilter filter;
    ForEachPiece(fileTypeNames, [&](PathSpan token) {
        std::string pattern;
        for (int i = 0; i < FileTypeCount(); i++) {
            const FileType* fileType = FileTypeAt(i);
            if (SameIgnoringAsciiCase(SpanOf(fileType->name), token))
                AddToPattern(*fileType, pattern, filter);
        }
        Append(filter.bytes, token);
        filter.bytes += '\0';
        filter.bytes += pattern;
        filter.bytes += '\0';
    });
    filter.bytes.append(2, '\0');
    return filter;
}
