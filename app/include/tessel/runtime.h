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

// Strings and numbers
StringObject* StringDBCSLeft(StringObject* s, int count);
StringObject* StringDBCSRight(StringObject* s, int count);
StringObject* StringDBCSMid2(StringObject* s, int start);
StringObject* StringDBCSMid3(StringObject* s, int start, int count);
int StringDBCSLen(StringObject* s);
int StringDBCSInStr(int start, StringObject* s, StringObject* pattern);
int RuntimeStringCompare(StringObject* a, StringObject* b);
double StringVal(StringObject* s);
StringObject* StringStr(double value);
StringObject* StringFormat(double value, StringObject* mask);
int FPToInt(double value);
double IntToFP(int value);

// Arrays: compiled code holds them as plain pointers
typedef struct RuntimeArray RuntimeArray;
RuntimeArray* RuntimeCreateArray();
void RuntimeArrayCreateAddIndex(RuntimeArray* array, int lower, int upper);
void RuntimeObjectArrayAppend(RuntimeArray* array, Object* value);
Object* RuntimeDirectReadObjectArray(RuntimeArray* array, int index);
int RuntimeUBound(RuntimeArray* array);
void RuntimeDisposeObjectArray(RuntimeArray* array);

// Folder items and text streams
Object* RuntimeGetFolderItem(StringObject* path);
Object* RuntimeGetSaveFolderItem(StringObject* fileTypes, StringObject* defaultName);
bool fileExistsGetter(Object* item, int parameter);
StringObject* fileAbsolutePathGetter(Object* item, int parameter);
Object* FolderItemOpenTextFile(Object* item);
Object* FolderItemCreateTextFile(Object* item);
StringObject* TextInputStreamReadLine(Object* stream);
bool TextInputStreamEOF(Object* stream, int parameter);
void TextInputStreamClose(Object* stream);
void TextOutputStreamWriteLine(Object* stream, StringObject* text);
void TextOutputStreamClose(Object* stream);

// The application, windows, controls and menus. Booleans are passed as
// whole words with the value 0 or 1.
const void* Win32InstallPlugins(const void* firstStoredPlugin);
int RuntimeRun();
void ApplicationQuit();
Object* RuntimeCreateWindow(const void* description, Object** implicitInstance, int unused);
void RuntimeShowWindow(Object* window);
void RuntimeCloseWindow(Object* window);
void WindowVisibleSetter(Object* window, int parameter, int visible);
void formRefresh(Object* window);
void staticCaptionSetter(Object* control, int parameter, StringObject* text);
StringObject* pushButtonTitleGetter(Object* control, int parameter);
void pushButtonTitleSetter(Object* control, int parameter, StringObject* caption);
void pushButtonDefaultSetter(Object* control, int parameter, int isDefault);
StringObject* editTextGetter(Object* control, int parameter);
bool checkBoxValueGetter(Object* control, int parameter);
int progressValueGetter(Object* control, int parameter);
void progressValueSetter(Object* control, int parameter, int value);
int progressMaximumGetter(Object* control, int parameter);
void progressMaximumSetter(Object* control, int parameter, int value);
void timerModeSetter(Object* control, int parameter, int mode);
Object* RuntimeMenuReference(StringObject* name);
void RuntimeEnableMenu(Object* item);

// Exceptions and runtime services
void RuntimeRaiseException(Object* exception);
void RuntimeReraiseException(Object* exception);
void RuntimeNilObject();
void RuntimeStackCheck();
void RuntimeBackgroundTask();

}
