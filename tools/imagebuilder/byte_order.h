// Little- and big-endian access to byte buffers. Every number in the
// object files, the image sections and the PE headers goes through here.
#pragma once

#include <cstdint>
#include <vector>

using Bytes = std::vector<uint8_t>;

inline uint16_t read_u16le(const uint8_t *p) {
    return uint16_t(p[0] | p[1] << 8);
}

inline uint32_t read_u32le(const uint8_t *p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

inline uint32_t read_u32be(const uint8_t *p) {
    return uint32_t(p[3]) | uint32_t(p[2]) << 8 | uint32_t(p[1]) << 16 | uint32_t(p[0]) << 24;
}

inline void put_u32le(uint8_t *p, uint32_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
    p[2] = uint8_t(v >> 16);
    p[3] = uint8_t(v >> 24);
}

inline void append_u16le(Bytes &out, uint16_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

inline void append_u32le(Bytes &out, uint32_t v) {
    out.resize(out.size() + 4);
    put_u32le(&out[out.size() - 4], v);
}

inline void append_u32be(Bytes &out, uint32_t v) {
    out.push_back(uint8_t(v >> 24));
    out.push_back(uint8_t(v >> 16));
    out.push_back(uint8_t(v >> 8));
    out.push_back(uint8_t(v));
}

inline void append_bytes(Bytes &out, const Bytes &more) {
    out.insert(out.end(), more.begin(), more.end());
}

// Pads with `fill` until the size is a multiple of `alignment` (a power of two).
inline void align_to(Bytes &out, uint32_t alignment, uint8_t fill = 0) {
    while (out.size() % alignment != 0)
        out.push_back(fill);
}
