// The runtime's entry points as application code sees them: C calling
// convention, strings and objects passed as the runtime's own pointers. Every
// call becomes an import of the image, bound when the runtime loads it.
#pragma once
#include "literal.h"

namespace tessel {

// An object as compiled code sees it: the runtime's four-word header and the
// runtime's two base words; a root class's own fields follow at byte 24.
struct Object {
    int refs;
    const void* cls;
    Object* newer;
    Object* older;
    unsigned base[2];
};

} // namespace tessel

extern "C" {

using tessel::Object;
using tessel::StringObject;

void RuntimeLockString(StringObject* s);
void RuntimeUnlockString(StringObject* s);
StringObject* RuntimeAddString(StringObject* a, StringObject* b);
void RuntimeMsgBox(StringObject* message);
int RuntimeDebugMemoryUsed();

// Objects and classes
void RuntimeInit(const void* classList);
Object* RuntimeNewObject(int classIndex);
Object* RuntimeProjectObject(int projectNumber);
Object* RuntimeLockObject(Object* object);
void RuntimeUnlockObject(Object* object);
bool RuntimeObjectIsa(Object* object, int classIndex);
void RuntimeCheckCast(Object* object, int classIndex);
StringObject* stringGetter(Object* object, unsigned offset);
void stringSetter(Object* object, unsigned offset, StringObject* value);
Object* objGetter(Object* object, unsigned offset);
void objSetter(Object* object, unsigned offset, Object* value);
Object* RuntimeControlFetch(Object* window, StringObject* name);
Object* RuntimeControlReference(Object* window, StringObject* name);
Object* RuntimeControlArrayItemReference(Object* window, StringObject* name, int index);

// Exceptions and runtime services
void RuntimeRaiseException(Object* exception);
void RuntimeReraiseException(Object* exception);
void RuntimeNilObject();
void RuntimeStackCheck();
void RuntimeBackgroundTask();

}
