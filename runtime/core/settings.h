// The application's settings, read from the settings block of its image when
// the runtime initialises. Until then the application runs in single-window
// mode, has no name, no file types and no message texts.
#pragma once
#include <cstdint>

class ByteStream;
struct StringObject;

// One file type of the project: four strings, any of them possibly empty.
struct FileType {
    StringObject* name;
    StringObject* creator;      // four-character code; "????" or empty for none
    StringObject* type;         // the same
    StringObject* extensions;   // ";"-separated suffixes such as ".dat"
};

// Reads the block: flag byte, reserved word, character-set code, file types,
// runtime message texts, frame flag, application name.
void ReadSettingsBlock(ByteStream& stream);
// Back to the state before any block was read.
void ResetSettings();

// Whether the application runs with a frame window holding its documents.
bool RunsInMdiMode();

// The application's name, as the frame window and the message box show it;
// "" before it is read.
const char* ApplicationName();

// The settings block's flag byte: which of the two field layouts the control
// accessors use.
uint8_t ControlLayoutFlag();

// The character set of the runtime's fonts, from the block's character-set
// code.
uint8_t FontCharacterSet();

int FileTypeCount();
const FileType* FileTypeAt(int index);    // null off the list

// The runtime message text of that number (lent); null when the block has
// none. Text 4 is the unhandled-exception message.
StringObject* RuntimeMessageText(int index);
