// The runtime's byte stream: what text streams read and write through. One
// implementation works on a file handle, another on a block of memory (the
// project data of the application image). The operations are in the order
// of the stream's method table.
#pragma once
#include <cstdint>

class ByteStream {
public:
    virtual ~ByteStream() {}                       // closes first, where that means anything
    // Reads up to count bytes; *got is 0 first, then the number read. False on
    // a read error.
    virtual bool Read(void* buffer, uint32_t count, uint32_t* got) = 0;
    virtual bool Write(const void* buffer, uint32_t count) = 0;
    virtual void Close() = 0;
    // EOF: the position is at or past the length. (EOF itself is the C
    // library's macro.)
    virtual bool AtEOF() = 0;
    virtual bool SetPosition(uint32_t position) = 0;
    virtual uint32_t Length() = 0;                 // the position stays unchanged
    virtual bool SetLength(uint32_t length) = 0;   // the position is restored afterwards
    virtual uint32_t Position() = 0;
};
