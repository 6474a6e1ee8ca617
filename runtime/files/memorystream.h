// A byte stream over a block of memory that someone else owns, read only.
#pragma once
#include "bytestream.h"

class MemoryStream : public ByteStream {
public:
    MemoryStream(const void* bytes, uint32_t length);
    bool Read(void* buffer, uint32_t count, uint32_t* got) override;
    bool Write(const void* buffer, uint32_t count) override;     // not supported: false
    void Close() override;                                        // nothing to release
    bool AtEOF() override;
    bool SetPosition(uint32_t position) override;
    uint32_t Length() override;
    bool SetLength(uint32_t length) override;                     // not supported: false
    uint32_t Position() override;

private:
    const uint8_t* bytes_;
    uint32_t length_;
    uint32_t position_ = 0;
};
