// What a plug-in of this runtime sees of it: the definition records it hands
// over, the runtime's string object, and runtime routines found by name
// through the resolver that OPALPluginMain receives.
#pragma once
#include <cstdint>

namespace plugin {

using Resolver = void* (*)(const char* name);

// Set by OPALPluginMain before anything is resolved.
extern Resolver resolver;

// A runtime routine, resolved on first use and kept; null when the runtime
// has none of that name.
struct RuntimeRoutine {
    const char* name;
    bool resolved;
    void* address;

    template <typename F>
    F as() {
        if (!resolved && resolver) {
            address = resolver(name);
            resolved = true;
        }
        return reinterpret_cast<F>(address);
    }
};

// The runtime's string object: reference count, text block (length byte,
// the bytes, a 0 byte), block size, length. Null is the empty string.
struct StringObject {
    int32_t refs;
    const uint8_t* block;
    uint32_t blockSize;
    uint32_t length;
};

inline const char* TextOf(const StringObject* s) {
    return s ? reinterpret_cast<const char*>(s->block + 1) : "";
}
inline int LengthOf(const StringObject* s) { return s ? static_cast<int>(s->length) : 0; }

void* const kDirect = reinterpret_cast<void*>(-1);

struct PropertyDefinition {
    const char* group;
    const char* name;
    const char* type;
    uint32_t flags;               // 1: redraw after a direct set
    void* getter;                 // kDirect, a routine, or null
    void* setter;
    uint32_t parameter;           // the field's offset within the plug-in's data
    uint32_t designWord;
    uint32_t enumCount;
    const char* const* enumEntries;
};

struct MethodDefinition {
    void* routine;
    void* assigningRoutine;
    const char* declaration;
};

struct EventDefinition {
    const char* declaration;
    const void* reference;        // written by the host
};

struct ControlDefinition {
    int32_t version;
    const char* name;
    uint32_t dataSize, flags, picture, picture2, width, height;
    const PropertyDefinition* properties;
    uint32_t propertyCount;
    const MethodDefinition* methods;
    uint32_t methodCount;
    EventDefinition* events;
    uint32_t eventCount;
    void* const* behaviour;
    uint32_t dataOffset;          // written by the host
    const void* eventInstances;
    uint32_t eventInstanceCount;
    const char* interfaces;
    const char* const* texts;     // three texts per entry
    uint32_t textCount;
};

template <typename F>
void* Code(F f) { return reinterpret_cast<void*>(f); }

} // namespace plugin
