// Finding a window's controls by name. Each window object keeps its control
// dictionary, a stringmap from control name to control, at a fixed offset;
// the elements of a control array are stored under name + "$" + index.
#include "objects.h"
#include "string.h"
#include "stringmap.h"
#include <cstdio>

namespace {

constexpr uint32_t kControlDictionaryOffset = 112;   // in a Window object

ObjectInstance* FindControl(ObjectInstance* window, const StringObject* key) {
    if (!window) return nullptr;
    const StringMap* controls = *reinterpret_cast<StringMap**>(
        reinterpret_cast<uint8_t*>(window) + kControlDictionaryOffset);
    uint32_t found = 0;
    if (!controls || !StringMapFind(controls, key, &found)) return nullptr;
    return reinterpret_cast<ObjectInstance*>(found);
}

} // namespace

extern "C" ObjectInstance* RuntimeControlFetch(ObjectInstance* window, StringObject* name) {
    return FindControl(window, name);
}

extern "C" ObjectInstance* RuntimeControlReference(ObjectInstance* window, StringObject* name) {
    ObjectInstance* control = FindControl(window, name);
    LockObject(control);
    return control;
}

extern "C" ObjectInstance* RuntimeControlArrayItemReference(ObjectInstance* window,
                                                            StringObject* name, int32_t index) {
    char suffix[16];
    snprintf(suffix, sizeof suffix, "$%ld", static_cast<long>(index));
    StringRef tail(NewStringFromText(suffix));
    StringRef key(RuntimeAddString(name, tail.get()));
    return RuntimeControlReference(window, key.get());
}
