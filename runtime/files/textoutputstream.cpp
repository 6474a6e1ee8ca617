// TextOutputStream: texts and lines written straight through to the byte
// stream, one Write per text and one per line end, so that what was written
// is in the file even if the stream is never closed.
#include "textstreams.h"
#include "core/objects.h"
#include "core/string.h"
#include "core/win32exception.h"
#include <cstddef>

namespace {

struct TextOutputFields {
    ObjectInstance header;
    ByteStream* stream;       // owned; null once closed
    StringObject* delimiter;  // the line end; nil stands for CR LF
};

const uint8_t kCRLF[2] = {13, 10};

ClassRecord* textOutputClass;

TextOutputFields* FieldsOf(ObjectInstance* output) {
    if (!output) RaiseBuiltinException(BuiltinException::NilObject);
    return reinterpret_cast<TextOutputFields*>(output);
}

void DestroyTextOutput(ObjectInstance* output, ClassRecord*) {
    TextOutputFields* out = FieldsOf(output);
    CloseOwnedStream(out->stream);
    RuntimeUnlockString(out->delimiter);
    out->delimiter = nullptr;
}

void WriteText(ByteStream* stream, const StringObject* text) {
    if (StringLength(text) > 0) stream->Write(StringBytes(text), StringLength(text));
}

} // namespace

const uint32_t kDelimiterOffset = offsetof(TextOutputFields, delimiter);

void RegisterTextOutputStreamClass() {
    if (textOutputClass) return;
    textOutputClass = RegisterBuiltinClass("TextOutputStream", nullptr, sizeof(TextOutputFields),
                                           nullptr, &DestroyTextOutput);
}

ObjectInstance* NewTextOutputStream(ByteStream* stream) {
    RegisterTextOutputStreamClass();
    ObjectInstance* output = NewInstance(textOutputClass);
    FieldsOf(output)->stream = stream;
    return output;
}

extern "C" void TextOutputStreamWriteLine(ObjectInstance* output, StringObject* text) {
    TextOutputFields* out = FieldsOf(output);
    if (!out->stream) return;
    WriteText(out->stream, text);
    if (out->delimiter)
        WriteText(out->stream, out->delimiter);
    else
        out->stream->Write(kCRLF, sizeof kCRLF);
}

extern "C" void TextOutputStreamWrite(ObjectInstance* output, StringObject* text) {
    TextOutputFields* out = FieldsOf(output);
    if (out->stream) WriteText(out->stream, text);
}

extern "C" void TextOutputStreamClose(ObjectInstance* output) {
    CloseOwnedStream(FieldsOf(output)->stream);
}
