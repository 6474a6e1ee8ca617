// The plug-in registries as the linker sees them. No plug-in has registered
// classes, methods or properties yet (the plug-in host fills these in), and
// the class dictionary holds no classes, so nothing is found.
#include "registry.h"

const void* FindClassForLinking(const char*, uint32_t) { return nullptr; }

const void* FindPluginMethodRoutine(const void*, const char*, uint32_t, bool) { return nullptr; }

const void* FindPluginPropertyAccessor(const void*, const char*, uint32_t, bool) { return nullptr; }
