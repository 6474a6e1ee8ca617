// The runtime's entry points as application code sees them: C calling
// convention, strings and objects passed as the runtime's own pointers. Every
// call becomes an import of the image, bound when the runtime loads it.
#pragma once
#include "literal.h"

extern "C" {

using tessel::StringObject;

void RuntimeLockString(StringObject* s);
void RuntimeUnlockString(StringObject* s);
StringObject* RuntimeAddString(StringObject* a, StringObject* b);
void RuntimeMsgBox(StringObject* message);
int RuntimeDebugMemoryUsed();

}
