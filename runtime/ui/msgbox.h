// The runtime's message box, through which the application reports failures
// and warnings to the user.
#pragma once

struct StringObject;

extern "C" void RuntimeMsgBox(StringObject* message);
