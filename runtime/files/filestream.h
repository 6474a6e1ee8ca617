// The byte stream over a file handle of the system's old file interface
// (_lopen and its family). It keeps no buffer: every Read and Write is one
// system call, so what was written is in the file at once. Callers that want
// fewer calls read in blocks, as the text input stream does.
#pragma once
#include "bytestream.h"

class FileStream : public ByteStream {
public:
    // Each opener gives a stream whose IsOpen is false when the system
    // refused the file.
    static FileStream* Create(const char* path);         // new or emptied, normal attributes
    static FileStream* OpenForReading(const char* path);
    static FileStream* OpenForReadingAndWriting(const char* path);

    ~FileStream() override;                               // closes first
    bool IsOpen() const { return handle_ != kClosed; }

    bool Read(void* buffer, uint32_t count, uint32_t* got) override;
    bool Write(const void* buffer, uint32_t count) override;
    void Close() override;
    bool AtEOF() override;
    bool SetPosition(uint32_t position) override;
    uint32_t Length() override;
    bool SetLength(uint32_t length) override;
    uint32_t Position() override;

    // How many system calls FileStreams have made so far (for benchmarks).
    static uint32_t SystemCalls();

private:
    // A handle of the old interface is an int; it is kept whole, since
    // cutting it to 16 bits could turn a valid handle into another one.
    static constexpr int kClosed = -1;
    explicit FileStream(int handle) : handle_(handle) {}
    int Seek(int32_t offset, int origin);
    uint32_t LengthFrom(uint32_t position);   // position: where the stream stands
    int handle_;
};
