// The file byte stream: each operation is the one system call (or the few
// around a saved position) that its description names.
#include "filestream.h"
#include <windows.h>

namespace {

uint32_t systemCalls;

} // namespace

FileStream* FileStream::Create(const char* path) {
    systemCalls++;
    return new FileStream(_lcreat(path, 0));
}

FileStream* FileStream::OpenForReading(const char* path) {
    systemCalls++;
    return new FileStream(_lopen(path, OF_READ));
}

FileStream* FileStream::OpenForReadingAndWriting(const char* path) {
    systemCalls++;
    return new FileStream(_lopen(path, OF_READWRITE));
}

FileStream::~FileStream() { Close(); }

uint32_t FileStream::SystemCalls() { return systemCalls; }

bool FileStream::Read(void* buffer, uint32_t count, uint32_t* got) {
    *got = 0;
    if (!IsOpen()) return false;
    systemCalls++;
    UINT read = _lread(handle_, buffer, count);
    if (read == static_cast<UINT>(HFILE_ERROR)) return false;
    *got = read;
    return true;
}

// A short write is reported as a failure; the text streams above do not look,
// but a caller that does learns the truth.
bool FileStream::Write(const void* buffer, uint32_t count) {
    if (!IsOpen()) return false;
    systemCalls++;
    UINT written = _lwrite(handle_, static_cast<LPCCH>(buffer), count);
    return written == count;
}

void FileStream::Close() {
    if (!IsOpen()) return;
    systemCalls++;
    _lclose(handle_);
    handle_ = kClosed;
}

bool FileStream::AtEOF() {
    uint32_t position = Position();
    return position >= LengthFrom(position);
}

int FileStream::Seek(int32_t offset, int origin) {
    if (!IsOpen()) return HFILE_ERROR;
    systemCalls++;
    return _llseek(handle_, offset, origin);
}

bool FileStream::SetPosition(uint32_t position) {
    return Seek(static_cast<int32_t>(position), FILE_BEGIN) != HFILE_ERROR;
}

uint32_t FileStream::Position() {
    int position = Seek(0, FILE_CURRENT);
    return position == HFILE_ERROR ? 0 : static_cast<uint32_t>(position);
}

uint32_t FileStream::Length() { return LengthFrom(Position()); }

// The length found by a seek to the end, and back to the position.
uint32_t FileStream::LengthFrom(uint32_t position) {
    int length = Seek(0, FILE_END);
    SetPosition(position);
    return length == HFILE_ERROR ? 0 : static_cast<uint32_t>(length);
}

// A write of no bytes makes the file end where the position stands.
bool FileStream::SetLength(uint32_t length) {
    uint32_t position = Position();
    bool done = SetPosition(length);
    if (done) {
        systemCalls++;
        done = _lwrite(handle_, "", 0) != static_cast<UINT>(HFILE_ERROR);
    }
    SetPosition(position);
    return done;
}
