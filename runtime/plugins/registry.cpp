// The plug-in registries: plug-in controls, plug-in classes and global
// methods, each newest first, and the lookups by name over them and the
// class dictionary. Controls and classes are searched in two orders: the
// image's deferred names look among the classes before the controls,
// everything else among the controls first.
#include "registry.h"
#include "pluginclasses.h"
#include "core/casetable.h"
#include "core/objects.h"
#include "core/string.h"
#include "core/utility.h"
#include <cstring>

namespace {

PluginClass* pluginControls;
PluginClass* pluginClasses;
GlobalMethod* globalMethods;

bool NameMatches(const StringObject* name, const char* text, uint32_t length) {
    return CaseTableEqual(StringText(name), StringLength(name), text, length);
}

ClassRecord* FindInList(PluginClass* list, const char* name, uint32_t length) {
    for (PluginClass* cls = list; cls; cls = cls->nextOfKind)
        if (NameMatches(cls->record->name, name, length)) return cls->record;
    return nullptr;
}

bool DeclarationMatches(const char* declaration, const char* text, uint32_t length) {
    return declaration &&
           CaseTableEqual(declaration, static_cast<uint32_t>(strlen(declaration)), text, length);
}

} // namespace

PluginClass* PluginClassOf(const ClassRecord* cls) {
    return cls ? static_cast<PluginClass*>(cls->extension) : nullptr;
}

PluginClass* AttachPluginClass(ClassRecord* cls, PluginClassKind kind) {
    if (PluginClass* existing = PluginClassOf(cls)) return existing;
    PluginClass* attached = static_cast<PluginClass*>(NewRuntimeRecord(sizeof(PluginClass)));
    *attached = PluginClass{};
    attached->kind = kind;
    attached->record = cls;
    cls->extension = attached;
    return attached;
}

PluginClass* FirstPluginControl() { return pluginControls; }
PluginClass* FirstPluginClass() { return pluginClasses; }

void AddPluginControl(PluginClass* control) {
    control->nextOfKind = pluginControls;
    pluginControls = control;
}

void AddPluginClass(PluginClass* cls) {
    cls->nextOfKind = pluginClasses;
    pluginClasses = cls;
}

ClassRecord* FindClassNamed(const char* name, uint32_t length) {
    if (ClassRecord* builtin = FindBuiltinClass(name, length)) return builtin;
    if (ClassRecord* control = FindInList(pluginControls, name, length)) return control;
    return FindInList(pluginClasses, name, length);
}

const void* FindClassByName(const char* name, uint32_t length) {
    return FindClassNamed(name, length);
}

const void* FindClassForLinking(const char* name, uint32_t length) {
    if (ClassRecord* builtin = FindBuiltinClass(name, length)) return builtin;
    if (ClassRecord* cls = FindInList(pluginClasses, name, length)) return cls;
    return FindInList(pluginControls, name, length);
}

const PluginProperty* FindPluginProperty(const ClassRecord* cls, const char* name, uint32_t length) {
    for (; cls; cls = cls->superclass)
        if (const PluginClass* host = PluginClassOf(cls))
            for (const PluginProperty* property = host->properties; property; property = property->next)
                if (NameMatches(property->name, name, length)) return property;
    return nullptr;
}

void* FindNamedHook(const ClassRecord* cls, const char* name) {
    uint32_t length = static_cast<uint32_t>(strlen(name));
    for (; cls; cls = cls->superclass)
        if (const PluginClass* host = PluginClassOf(cls))
            for (const NamedHook* hook = host->hooks; hook; hook = hook->next)
                if (NameMatches(hook->name, name, length)) return hook->routine;
    return nullptr;
}

// A class's methods are searched from the class itself up its chain, so
// that a plug-in class reaches the methods of its plug-in superclass.
const void* FindPluginMethodRoutine(const void* owner, const char* declaration, uint32_t length,
                                    bool assigning) {
    if (!owner) {
        for (const GlobalMethod* method = globalMethods; method; method = method->next)
            if (DeclarationMatches(reinterpret_cast<const char*>(method->definition[2]),
                                   declaration, length))
                return reinterpret_cast<const void*>(method->definition[assigning ? 1 : 0]);
        return nullptr;
    }
    for (const ClassRecord* cls = static_cast<const ClassRecord*>(owner); cls; cls = cls->superclass)
        if (const PluginClass* host = PluginClassOf(cls))
            for (const PluginMethod* method = host->methods; method; method = method->next)
                if (NameMatches(method->descriptor->declaration, declaration, length))
                    return assigning ? method->assigningRoutine : method->routine;
    return nullptr;
}

const void* FindPluginPropertyAccessor(const void* owner, const char* name, uint32_t length,
                                       bool setter) {
    const PluginProperty* property =
        FindPluginProperty(static_cast<const ClassRecord*>(owner), name, length);
    if (!property) return nullptr;
    return setter ? property->setter : property->getter;
}

const GlobalMethod* FirstGlobalMethod() { return globalMethods; }

void AddGlobalMethod(const uint32_t* definition) {
    GlobalMethod* method = static_cast<GlobalMethod*>(NewRuntimeRecord(sizeof(GlobalMethod)));
    *method = GlobalMethod{globalMethods, definition};
    globalMethods = method;
}
