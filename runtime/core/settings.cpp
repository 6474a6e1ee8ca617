// The application's settings block. Its numbers are big-endian words and
// compact integers; its texts compact strings (compactcoding.h).
#include "settings.h"
#include "compactcoding.h"
#include "files/bytestream.h"
#include "string.h"
#include "utility.h"
#include <windows.h>
#include <initializer_list>

namespace {

struct Settings {
    uint8_t layoutFlag;
    uint32_t characterSetCode;
    int fileTypeCount;
    FileType* fileTypes;
    int messageTextCount;
    StringObject** messageTexts;
    bool frameWindow;
    StringObject* applicationName;
};
Settings settings;

// The character-set codes of the block and the Windows character sets they
// stand for; any other code is the default set.
struct CharacterSetCode {
    uint32_t code;
    uint8_t characterSet;
};
constexpr CharacterSetCode kCharacterSets[] = {
    {13, SHIFTJIS_CHARSET}, {21, CHINESEBIG5_CHARSET}, {12, HEBREW_CHARSET},
    {14, ARABIC_CHARSET},   {16, GREEK_CHARSET},       {19, TURKISH_CHARSET},
    {24, THAI_CHARSET},     {34, RUSSIAN_CHARSET},
};

// Tables of the block have a slot to spare, so that an empty one is a block
// like any other.
template <typename T>
T* NewTable(int count) { return static_cast<T*>(RuntimeAlloc(sizeof(T) * (count + 1))); }

template <typename T>
void FreeTable(T* table, int count) { RuntimeFree(table, sizeof(T) * (count + 1)); }

// A count that the block gives as a compact integer; negative means none.
// Every entry takes at least one byte, so a count beyond the bytes left is
// damage and is cut down to them.
int ReadCount(ByteStream& stream) {
    int32_t count = ReadCompactInteger(stream);
    uint32_t left = stream.Position() < stream.Length() ? stream.Length() - stream.Position() : 0;
    if (count <= 0) return 0;
    return static_cast<uint32_t>(count) < left ? count : static_cast<int>(left);
}

void ReadFileTypes(ByteStream& stream) {
    settings.fileTypeCount = ReadCount(stream);
    settings.fileTypes = NewTable<FileType>(settings.fileTypeCount);
    for (int i = 0; i < settings.fileTypeCount; i++) {
        FileType& fileType = settings.fileTypes[i];
        fileType.name = ReadCompactString(stream);
        fileType.creator = ReadCompactString(stream);
        fileType.type = ReadCompactString(stream);
        fileType.extensions = ReadCompactString(stream);
    }
}

void ReadMessageTexts(ByteStream& stream) {
    settings.messageTextCount = ReadCount(stream);
    settings.messageTexts = NewTable<StringObject*>(settings.messageTextCount);
    for (int i = 0; i < settings.messageTextCount; i++)
        settings.messageTexts[i] = ReadCompactString(stream);
}

} // namespace

void ResetSettings() {
    for (int i = 0; i < settings.fileTypeCount; i++) {
        FileType& fileType = settings.fileTypes[i];
        for (StringObject* text : {fileType.name, fileType.creator, fileType.type, fileType.extensions})
            RuntimeUnlockString(text);
    }
    if (settings.fileTypes) FreeTable(settings.fileTypes, settings.fileTypeCount);
    for (int i = 0; i < settings.messageTextCount; i++) RuntimeUnlockString(settings.messageTexts[i]);
    if (settings.messageTexts) FreeTable(settings.messageTexts, settings.messageTextCount);
    RuntimeUnlockString(settings.applicationName);
    settings = Settings{};
}

void ReadSettingsBlock(ByteStream& stream) {
    ResetSettings();
    settings.layoutFlag = ReadByte(stream);
    ReadBigEndianWord(stream);   // reserved
    settings.characterSetCode = ReadBigEndianWord(stream);
    ReadFileTypes(stream);
    ReadMessageTexts(stream);
    settings.frameWindow = ReadByte(stream) != 0;
    settings.applicationName = ReadCompactString(stream);
}

bool RunsInMdiMode() { return settings.frameWindow; }

const char* ApplicationName() { return StringText(settings.applicationName); }

uint8_t ControlLayoutFlag() { return settings.layoutFlag; }

uint8_t FontCharacterSet() {
    for (const CharacterSetCode& entry : kCharacterSets)
        if (entry.code == settings.characterSetCode) return entry.characterSet;
    return DEFAULT_CHARSET;
}

int FileTypeCount() { return settings.fileTypeCount; }

const FileType* FileTypeAt(int index) {
    return index >= 0 && index < settings.fileTypeCount ? &settings.fileTypes[index] : nullptr;
}

StringObject* RuntimeMessageText(int index) {
    return index >= 0 && index < settings.messageTextCount ? settings.messageTexts[index] : nullptr;
}
