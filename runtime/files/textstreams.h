// Text streams: TextInputStream hands out a file line by line, and
// TextOutputStream writes texts and lines, both through a byte stream that
// they own from their creation until Close.
#pragma once
#include "bytestream.h"
#include <cstdint>

struct ObjectInstance;
struct StringObject;

// Register the classes "TextInputStream" and "TextOutputStream"; a second
// call does nothing.
void RegisterTextInputStreamClass();
void RegisterTextOutputStreamClass();
inline void RegisterTextStreamClasses() {
    RegisterTextInputStreamClass();
    RegisterTextOutputStreamClass();
}

// A new text stream that takes over the open byte stream.
ObjectInstance* NewTextInputStream(ByteStream* stream);
ObjectInstance* NewTextOutputStream(ByteStream* stream);

// Where compiled code finds Delimiter through the generic string accessors.
extern const uint32_t kDelimiterOffset;

extern "C" {
StringObject* TextInputStreamReadLine(ObjectInstance* input);
StringObject* TextInputStreamReadAll(ObjectInstance* input);
bool TextInputStreamEOF(ObjectInstance* input, uint32_t parameter);
void TextInputStreamClose(ObjectInstance* input);
void TextOutputStreamWriteLine(ObjectInstance* output, StringObject* text);
void TextOutputStreamWrite(ObjectInstance* output, StringObject* text);
void TextOutputStreamClose(ObjectInstance* output);
ObjectInstance* FolderItemOpenTextFile(ObjectInstance* item);
ObjectInstance* FolderItemCreateTextFile(ObjectInstance* item);
ObjectInstance* FolderItemAppendTextFile(ObjectInstance* item);
}

// Both text streams begin with the byte stream they own. Closing closes and
// destroys it once; later calls find it gone and do nothing.
inline void CloseOwnedStream(ByteStream*& stream) {
    if (!stream) return;
    stream->Close();
    delete stream;
    stream = nullptr;
}
