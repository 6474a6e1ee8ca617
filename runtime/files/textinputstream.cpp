// TextInputStream: the lines of a file, read in blocks of 1024 bytes. A line
// ends at LF, at CR or at CR LF, also when the CR is the last byte of one
// block and the LF the first of the next; LF CR is two line ends. The line
// end never belongs to the line, and all other bytes (NUL too) do.
//
// A line that lies within one block is copied straight from the block into
// its string; only a line that spans blocks is gathered in a growing string.
#include "textstreams.h"
#include "growingstring.h"
#include "core/objects.h"
#include "core/string.h"
#include "core/win32exception.h"

namespace {

constexpr uint32_t kBlockSize = 1024;
constexpr uint8_t kCR = 13;
constexpr uint8_t kLF = 10;

struct TextInputFields {
    ObjectInstance header;
    ByteStream* stream;              // owned; null once closed
    uint8_t lineBuffer[kBlockSize];  // the block last read
    uint32_t readPosition;           // next byte to hand out
    uint32_t fillCount;              // valid bytes in lineBuffer
};

ClassRecord* textInputClass;

TextInputFields* FieldsOf(ObjectInstance* input) {
    if (!input) RaiseBuiltinException(BuiltinException::NilObject);
    return reinterpret_cast<TextInputFields*>(input);
}

void DestroyTextInput(ObjectInstance* input, ClassRecord*) {
    CloseOwnedStream(FieldsOf(input)->stream);
}

// Reads the next block into the line buffer; a closed stream gives an empty
// block. A read error closes the stream: retrying would meet the same error
// again and again, so the file is treated as ended instead and reading loops
// come to their end.
void ReadBlock(TextInputFields* in) {
    uint32_t got = 0;
    if (in->stream && !in->stream->Read(in->lineBuffer, kBlockSize, &got))
        CloseOwnedStream(in->stream);
    in->readPosition = 0;
    in->fillCount = got;
}

uint32_t FindLineEnd(const TextInputFields* in) {
    uint32_t i = in->readPosition;
    while (i < in->fillCount && in->lineBuffer[i] != kCR && in->lineBuffer[i] != kLF) i++;
    return i;
}

// Steps past the line end at the read position: LF or CR alone, or CR LF,
// reading the next block when a CR ends this one.
void SkipLineEnd(TextInputFields* in) {
    uint8_t end = in->lineBuffer[in->readPosition++];
    if (end != kCR) return;
    if (in->readPosition == in->fillCount) ReadBlock(in);
    if (in->readPosition < in->fillCount && in->lineBuffer[in->readPosition] == kLF)
        in->readPosition++;
}

} // namespace

ObjectInstance* NewTextInputStream(ByteStream* stream) {
    RegisterTextInputStreamClass();
    ObjectInstance* input = NewInstance(textInputClass);
    FieldsOf(input)->stream = stream;
    return input;
}

void RegisterTextInputStreamClass() {
    if (textInputClass) return;
    textInputClass = RegisterBuiltinClass("TextInputStream", nullptr, sizeof(TextInputFields),
                                          nullptr, &DestroyTextInput);
}

// A line without an end in the buffer goes on in the next block. Reading that
// block at once, rather than asking the stream for its end first, costs one
// system call per block instead of four; a block without bytes is the end.
extern "C" StringObject* TextInputStreamReadLine(ObjectInstance* input) {
    TextInputFields* in = FieldsOf(input);
    if (!in->stream) return nullptr;
    GrowingString spanning;   // used only by a line that spans blocks
    for (;;) {
        uint32_t start = in->readPosition;
        uint32_t end = FindLineEnd(in);
        in->readPosition = end;
        if (end < in->fillCount) {
            // The line is made before SkipLineEnd may read over the buffer.
            StringObject* line;
            if (spanning.length() == 0) {
                line = NewString(in->lineBuffer + start, end - start);
            } else {
                spanning.Append(in->lineBuffer + start, end - start);
                line = spanning.Finish();
            }
            SkipLineEnd(in);
            return line;
        }
        spanning.Append(in->lineBuffer + start, end - start);
        ReadBlock(in);
        if (in->fillCount == 0) return spanning.Finish();
    }
}

extern "C" StringObject* TextInputStreamReadAll(ObjectInstance* input) {
    TextInputFields* in = FieldsOf(input);
    if (!in->stream) return nullptr;
    GrowingString all;
    uint32_t length = in->stream->Length(), position = in->stream->Position();
    uint32_t left = length > position ? length - position : 0;
    all.Reserve(in->fillCount - in->readPosition + left);
    do {
        all.Append(in->lineBuffer + in->readPosition, in->fillCount - in->readPosition);
        ReadBlock(in);
    } while (in->fillCount > 0);
    return all.Finish();
}

// A closed stream is at its end: a loop that reads until EOF stops.
extern "C" bool TextInputStreamEOF(ObjectInstance* input, uint32_t) {
    TextInputFields* in = FieldsOf(input);
    if (!in->stream) return true;
    return in->readPosition >= in->fillCount && in->stream->AtEOF();
}

extern "C" void TextInputStreamClose(ObjectInstance* input) {
    CloseOwnedStream(FieldsOf(input)->stream);
}
