// Registering the members of a plug-in class or control: properties from
// their definitions, methods and events from their declarations, and named
// hooks from event-instance entries.
#pragma once
#include <cstdint>

struct PluginClass;

// A property definition of 40 bytes (20 for version 1) at base offset base:
// 96 for controls, 24 for classes and extensions.
void RegisterProperty(PluginClass* cls, const uint32_t* definition, bool version1, uint32_t base);
void RegisterProperties(PluginClass* cls, const uint32_t* definitions, uint32_t count, uint32_t base);

// Method definitions of 12 bytes: routine, assigning routine, declaration.
void RegisterMethods(PluginClass* cls, const uint32_t* definitions, uint32_t count);
// Event definitions of 8 bytes: declaration, and the host's reference.
void RegisterEvents(PluginClass* cls, uint32_t* definitions, uint32_t count);
// Event-instance entries of 8 bytes: name, index into the exported routines.
void RegisterEventInstances(PluginClass* cls, const uint32_t* entries, uint32_t count);
void AddNamedHook(PluginClass* cls, const char* name, void* routine);
// Splits the text at "," and adds each part that names an interface; for
// the others, composes "Couldn't find <class> interface : <part>" when
// report is set.
void AddInterfaces(PluginClass* cls, const char* names, bool report);
