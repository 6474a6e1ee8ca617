// The folder item's text-file openers. Each opens or creates the file at the
// item's path as read and hands the file stream to a new text stream; when
// the system refuses, the result is nil and the reason is not reported.
#include "textstreams.h"
#include "fileclasses.h"
#include "filestream.h"
#include "core/objects.h"
#include "core/string.h"
#include "core/win32exception.h"

namespace {

// The path as read, NUL-terminated for the system.
StringObject* NewPathText(ObjectInstance* item) {
    if (!item) RaiseBuiltinException(BuiltinException::NilObject);
    PathSpan path = FolderItemPath(item);
    return NewString(path.bytes, path.length);
}

// The stream when the system gave a handle; otherwise it is discarded.
FileStream* Opened(FileStream* stream) {
    if (stream->IsOpen()) return stream;
    delete stream;
    return nullptr;
}

FileStream* CreatedFile(const StringObject* path) {
    return Opened(FileStream::Create(StringText(path)));
}

} // namespace

extern "C" ObjectInstance* FolderItemOpenTextFile(ObjectInstance* item) {
    StringRef path(NewPathText(item));
    FileStream* stream = Opened(FileStream::OpenForReading(StringText(path.get())));
    return stream ? NewTextInputStream(stream) : nullptr;
}

extern "C" ObjectInstance* FolderItemCreateTextFile(ObjectInstance* item) {
    StringRef path(NewPathText(item));
    FileStream* stream = CreatedFile(path.get());
    return stream ? NewTextOutputStream(stream) : nullptr;
}

// Writes go after what the file holds; a file that cannot be opened is
// created.
extern "C" ObjectInstance* FolderItemAppendTextFile(ObjectInstance* item) {
    StringRef path(NewPathText(item));
    FileStream* stream = Opened(FileStream::OpenForReadingAndWriting(StringText(path.get())));
    if (stream)
        stream->SetPosition(stream->Length());
    else
        stream = CreatedFile(path.get());
    return stream ? NewTextOutputStream(stream) : nullptr;
}
