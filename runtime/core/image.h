// The application image: compiled code, link records, data and data
// relocations, stored behind the executable (or in development files) and
// brought to life by the load sequence.
#pragma once
#include <cstdint>
#include <windows.h>

struct StringObject;

// Where the image's code and data were loaded; null until the load sequence
// has read them. They live for the whole run.
struct LoadedImage {
    uint8_t* code1;
    uint32_t code1Size;
    uint8_t* data1;
    uint32_t data1Size;
};
extern LoadedImage gImage;

// The process-wide start-up values.
extern HINSTANCE gInstance;
extern const char* gCommandLine;

// The process entry: everything from start until the application has quit.
int ProcessEntry(HINSTANCE instance, const char* commandLine);

// Reads the image, links and relocates it and calls its entry routine.
// False when the image could not be loaded (the user has been told).
bool RunLoadSequence();

// The text shown for an image that cannot be run as it is stored (a new
// string): cut short, or with links, records or an entry routine that lead
// out of its code.
StringObject* DamagedImageMessage();

// Binds the image's code to its imports and applies its code fix-ups. On
// failure *message receives the text to show (a new string).
bool LinkImage(const uint8_t* code2, uint32_t size, StringObject** message);

// Applies the data relocation words to data1.
void RelocateImageData(const uint8_t* data2, uint32_t byteCount);

// Binds the deferred plug-in names once the plug-ins have registered.
void ResolveDeferredLinks();

// A stored project resource (1-based): the open file and the position of the
// resource in it. False when there is no such resource.
bool FindProjectResource(int number, HANDLE* file, uint32_t* position);
void SetProjectResourceIndex(uint32_t offset);
