// The message box: an information icon and a single OK button, owned by the
// dialog owner, captioned with the application's name in multiple-document
// mode and "Message" otherwise. The text is shown byte for byte.
#include "msgbox.h"
#include "dialogowner.h"
#include "core/settings.h"
#include "core/string.h"
#include <windows.h>

extern "C" void RuntimeMsgBox(StringObject* message) {
    RuntimeLockString(message);
    const char* caption = RunsInMdiMode() ? ApplicationName() : "Message";
    MessageBoxA(DialogOwner(), StringText(message), caption, MB_OK | MB_ICONINFORMATION);
    RuntimeUnlockString(message);
}
