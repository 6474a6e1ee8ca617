// Path arithmetic: splitting, parents, children and the resolution of the
// texts that compiled code hands to RuntimeGetFolderItem.
#include "paths.h"
#include "core/string.h"
#include <cstring>

namespace {

const PathSpan kBackslash = {"\\", 1};

PathSpan Slice(PathSpan path, uint32_t start, uint32_t length) {
    return {path.bytes + start, length};
}

// Index of the first ":" or -1.
int FirstColon(PathSpan path) {
    const void* colon = memchr(path.bytes, ':', path.length);
    return colon ? static_cast<int>(static_cast<const char*>(colon) - path.bytes) : -1;
}

// Index of the last backslash at or after start, or -1.
int LastBackslash(PathSpan path, uint32_t start) {
    for (uint32_t i = path.length; i > start; i--)
        if (path.bytes[i - 1] == '\\') return static_cast<int>(i - 1);
    return -1;
}

} // namespace

PathSpan SpanOf(const StringObject* s) { return {StringText(s), StringLength(s)}; }
PathSpan SpanOf(const char* text) { return {text, static_cast<uint32_t>(strlen(text))}; }

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

bool SameIgnoringAsciiCase(PathSpan a, PathSpan b) {
    if (a.length != b.length) return false;
    for (uint32_t i = 0; i < a.length; i++)
        if (AsciiUpper(a.bytes[i]) != AsciiUpper(b.bytes[i])) return false;
    return true;
}

bool EndsIgnoringAsciiCase(PathSpan path, PathSpan suffix) {
    if (suffix.length > path.length) return false;
    return SameIgnoringAsciiCase(Slice(path, path.length - suffix.length, suffix.length), suffix);
}

bool IsAbsolutePath(PathSpan path) {
    return FirstColon(path) >= 0 || (path.length >= 2 && path.bytes[1] == '\\');
}

PathParts SplitPath(PathSpan path) {
    int colon = FirstColon(path);
    bool drive = colon >= 0;
    // The volume when the rest holds no folder: the drive letter and colon,
    // or a single backslash for a network path.
    PathSpan shortVolume = drive ? Slice(path, 0, uint32_t(colon) + 1) : kBackslash;
    uint32_t restStart = drive ? uint32_t(colon) + 2 : 2;
    if (path.length <= restStart) return {shortVolume, {path.bytes, 0}, shortVolume};

    int backslash = LastBackslash(path, restStart);
    if (backslash < 0)
        return {shortVolume, {path.bytes + restStart, 0}, Slice(path, restStart, path.length - restStart)};
    uint32_t nameStart = uint32_t(backslash) + 1;
    return {Slice(path, 0, restStart), Slice(path, restStart, nameStart - restStart),
            Slice(path, nameStart, path.length - nameStart)};
}

StringObject* NewJoinedPath(const PathSpan* spans, int count) {
    uint32_t length = 0;
    for (int i = 0; i < count; i++) length += spans[i].length;
    StringObject* joined = NewBlankString(length);
    if (!joined) return nullptr;
    uint8_t* at = WritableBytes(joined);
    for (int i = 0; i < count; i++) {
        memcpy(at, spans[i].bytes, spans[i].length);
        at += spans[i].length;
    }
    return joined;
}

StringObject* NewParentPath(PathSpan path) {
    PathParts parts = SplitPath(path);
    PathSpan pieces[] = {parts.volume, parts.directory};
    if (pieces[1].length > 0) pieces[1].length--;
    return NewJoinedPath(pieces, 2);
}

PathSpan PathAsRead(const StringObject* path) {
    PathSpan span = SpanOf(path);
    if (span.length > 0 && span.bytes[span.length - 1] == '\\') span.length--;
    return span;
}

StringObject* NewResolvedPath(PathSpan text, PathSpan applicationFolder) {
    if (IsAbsolutePath(text)) return NewJoinedPath(&text, 1);
    // A text that begins with a backslash means the root of the application
    // folder's drive, as it does to the file system.
    int colon = FirstColon(applicationFolder);
    if (text.length > 0 && text.bytes[0] == '\\' && colon >= 0) {
        PathSpan pieces[] = {Slice(applicationFolder, 0, uint32_t(colon) + 1), text};
        return NewJoinedPath(pieces, 2);
    }
    PathSpan pieces[] = {applicationFolder, kBackslash, text};
    return NewJoinedPath(pieces, 3);
}

StringObject* NewChildPath(PathSpan path, PathSpan name) {
    bool endsInBackslash = path.length > 0 && path.bytes[path.length - 1] == '\\';
    PathSpan pieces[] = {path, {kBackslash.bytes, endsInBackslash ? 0u : 1u}, name};
    return NewJoinedPath(pieces, 3);
}
