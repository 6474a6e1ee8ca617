// The demonstration image: it shows that an image is found behind the
// runtime, linked to the runtime's entry points and to a system library,
// relocated, and run. It tells the user what it is and ends.
#include <tessel/runtime.h>

extern "C" unsigned __stdcall TickCount() __asm__("\"!Xkernel32.dll!GetTickCount\"");

extern "C" void ImageMain() {
    StringObject* text = RuntimeAddString(
        TS("Airport Tessel 2.1\r\n\r\n"),
        TS("This is the runtime's demonstration image: it was found behind the program, "
           "linked to the runtime and to the system, relocated and started. The navigation "
           "data application is not part of this build yet."));
    if (TickCount() != 0) RuntimeMsgBox(text);
    RuntimeUnlockString(text);
}
