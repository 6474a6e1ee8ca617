// What the image linker asks of the class dictionary and the plug-in
// registries when it binds deferred names. Owners are opaque to the linker.
#pragma once
#include <cstdint>

// A class by name: the runtime's class dictionary first, then the plug-in
// classes, then the plug-in controls (case-insensitive, the case table).
const void* FindClassForLinking(const char* name, uint32_t length);

// A class by name for everything else (the image's class references among
// them): the class dictionary, then the plug-in controls, then the plug-in
// classes.
const void* FindClassByName(const char* name, uint32_t length);

// A plug-in method by its declaration text: the owner's methods, or the
// global methods when owner is null. The routine, or its assigning routine.
const void* FindPluginMethodRoutine(const void* owner, const char* declaration, uint32_t length,
                                    bool assigning);

// A plug-in property of the owner by name: its getter or its setter.
const void* FindPluginPropertyAccessor(const void* owner, const char* name, uint32_t length,
                                       bool setter);

// The global methods, newest first: a 12-byte definition (routine,
// assigning routine, declaration text) each.
struct GlobalMethod {
    GlobalMethod* next;
    const uint32_t* definition;
};
const GlobalMethod* FirstGlobalMethod();
void AddGlobalMethod(const uint32_t* definition);
