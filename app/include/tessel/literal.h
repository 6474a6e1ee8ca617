// String literals of an application image. Each literal is stored in the
// image's data as its text block (length byte, the bytes, a 0 byte, padded to
// a multiple of four) directly followed by its string object, which holds one
// reference of its own for the whole run.
#pragma once

namespace tessel {

struct StringObject {
    int refs;
    const unsigned char* block;
    unsigned blockSize;
    unsigned length;
};

// N counts the literal's terminating NUL, as sizeof does.
template <unsigned N>
struct Literal {
    static constexpr unsigned kLength = N - 1;
    static_assert(kLength > 0, "the empty string is the null pointer, not a literal");

    unsigned char block[(kLength + 2 + 3) / 4 * 4];
    StringObject object;

    constexpr Literal(const char (&text)[N])
        : block{}, object{1, block, kLength, kLength} {
        block[0] = static_cast<unsigned char>(kLength > 255 ? 255 : kLength);
        for (unsigned i = 0; i < kLength; i++) block[i + 1] = static_cast<unsigned char>(text[i]);
    }
};

} // namespace tessel

// TS("text"): the string object of a literal, laid out in the image's data at
// build time.
#define TS(text)                                                   \
    ([]() -> ::tessel::StringObject* {                             \
        static ::tessel::Literal<sizeof(text)> literal(text);      \
        return &literal.object;                                    \
    }())
