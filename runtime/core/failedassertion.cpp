// The failed-assertion report. It is shown without an owner window, since the
// inconsistency may lie in the window code itself, and Cancel is the default
// so that a user who just presses Enter does not carry on in a broken state.
#include "failedassertion.h"
#include <windows.h>
#include <cstdio>

void FailedAssertion(int /*category*/, int number, const char* source, int line) {
    char text[256];
    snprintf(text, sizeof text,
             "Failed Assertion: %d\nPress OK to Continue\nPress Cancel to Quit.\n\n"
             "Please report what caused this error\nalong with the information below.\n\n %s : %d",
             static_cast<short>(number), source, line);
    int answer = MessageBoxA(nullptr, text, "", MB_OKCANCEL | MB_ICONERROR | MB_DEFBUTTON2);
    if (answer == IDOK) return;
    ExitProcess(0);
    FatalAppExitA(0, "Gentle Shutdown Failed.  Attempting Forced Shutdown.");
}
