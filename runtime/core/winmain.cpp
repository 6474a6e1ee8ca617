// The process entry of Tessel21.exe.
#include "image.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    return ProcessEntry(instance, commandLine);
}
