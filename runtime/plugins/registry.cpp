// The class lookups by name. The class dictionary holds the built-in
// classes; no plug-in has registered controls, classes, methods or
// properties yet (the plug-in host fills those lists in), so after the
// dictionary nothing more is found.
#include "registry.h"
#include "core/objects.h"

const void* FindClassForLinking(const char* name, uint32_t length) {
    return FindBuiltinClass(name, length);
}

const void* FindClassByName(const char* name, uint32_t length) {
    return FindBuiltinClass(name, length);
}

const void* FindPluginMethodRoutine(const void*, const char*, uint32_t, bool) { return nullptr; }

const void* FindPluginPropertyAccessor(const void*, const char*, uint32_t, bool) { return nullptr; }
