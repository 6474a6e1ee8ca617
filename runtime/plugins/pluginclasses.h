// What the plug-in host keeps for each class that a plug-in registered or
// extended: its properties, methods, named hooks and, for a control, its
// definition record and behaviour table. It hangs off the class record's
// extension word; the lists are newest first.
#pragma once
#include "declarations.h"
#include "plugintypes.h"
#include <cstdint>

struct ClassRecord;
struct ObjectInstance;
struct PluginRecord;
struct StringObject;

struct PluginProperty {
    PluginProperty* next;
    StringObject* name;
    PluginType type;
    void* getter;              // called (instance, getterParameter) -> value
    void* setter;              // called (instance, setterParameter, value)
    uint32_t getterParameter;  // for direct access the field's offset within the instance,
    uint32_t setterParameter;  // for a plug-in routine the definition's parameter
    uint32_t flags;            // bit 0: the descriptor flag that property flag 2 sets
};

struct PluginMethod {
    PluginMethod* next;
    MethodDescriptor* descriptor;
    void* routine;
    void* assigningRoutine;
};

struct NamedHook {
    NamedHook* next;
    StringObject* name;
    void* routine;
};

enum class PluginClassKind : uint8_t { Control, Class, Extended };

struct PluginClass {
    PluginClassKind kind;
    PluginClass* nextOfKind;       // the control list or the class list
    ClassRecord* record;
    PluginRecord* owner;
    uint32_t* definition;          // the definition record the host reads and writes
    void* const* behaviour;        // a control's 25 behaviour slots
    uint32_t dataOffset;
    bool linked;                   // classes: superclass and members are in place
    bool linking;                  // classes: being linked now
    PluginProperty* properties;
    PluginMethod* methods;
    NamedHook* hooks;
};

// The host's part of a class; null for a class no plug-in touched.
PluginClass* PluginClassOf(const ClassRecord* cls);
// Attaches a host part to an existing class record (extensions).
PluginClass* AttachPluginClass(ClassRecord* cls, PluginClassKind kind);

// The registries, newest first.
PluginClass* FirstPluginControl();
PluginClass* FirstPluginClass();
void AddPluginControl(PluginClass* control);
void AddPluginClass(PluginClass* cls);

// Finds a class record by name: built-in classes, then plug-in controls,
// then plug-in classes (case-insensitive).
ClassRecord* FindClassNamed(const char* name, uint32_t length);

// The first property of that name, or named hook, along the class's chain.
const PluginProperty* FindPluginProperty(const ClassRecord* cls, const char* name, uint32_t length);
void* FindNamedHook(const ClassRecord* cls, const char* name);
