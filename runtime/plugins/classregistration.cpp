// Plug-in classes, class extensions and global methods.
//
// Class definition words: version, class name, superclass name, data size,
// the host-written data offset, constructor, destructor, properties and
// their count, methods and their count, events and their count, event-
// instance entries and their count, interface names.
#include "classlinking.h"
#include "diagnostics.h"
#include "members.h"
#include "pluginclasses.h"
#include "pluginrecords.h"
#include "registry.h"
#include "core/objects.h"
#include "core/string.h"
#include "core/utility.h"
#include <cstring>

namespace {

enum ClassWord {
    kVersion, kName, kSuperclass, kDataSize, kDataOffset, kConstructor, kDestructor,
    kProperties, kPropertyCount, kMethods, kMethodCount, kEvents, kEventCount,
    kEventInstances, kEventInstanceCount, kInterfaces
};

constexpr int32_t kFirstVersionWithClasses = 3;

const char* TextOf(const uint32_t* definition, int word) {
    const char* text = reinterpret_cast<const char*>(definition[word]);
    return text ? text : "";
}

template <typename T>
T* Pointer(uint32_t word) { return reinterpret_cast<T*>(word); }

void RegisterMembers(PluginClass* cls, uint32_t* definition, uint32_t base) {
    RegisterProperties(cls, Pointer<const uint32_t>(definition[kProperties]),
                       definition[kPropertyCount], base);
    RegisterMethods(cls, Pointer<const uint32_t>(definition[kMethods]), definition[kMethodCount]);
    RegisterEvents(cls, Pointer<uint32_t>(definition[kEvents]), definition[kEventCount]);
}

void ReportMissingSuperclass(const PluginClass* cls, const char* superclass) {
    StringRef start(NewStringFromText("Couldn't find "));
    StringRef middle(NewStringFromText(" superclass: "));
    StringRef name(NewStringFromText(superclass));
    StringRef a(RuntimeAddString(start.get(), cls->record->name));
    StringRef b(RuntimeAddString(a.get(), middle.get()));
    StringRef text(RuntimeAddString(b.get(), name.get()));
    PluginDiagnostic(text.get());
}

// A class that is being linked while its superclass chain leads back to it
// closes a cycle; that superclass link is left out.
void Link(PluginClass* cls) {
    if (cls->linked || cls->linking) return;
    cls->linking = true;
    uint32_t* definition = cls->definition;
    const char* superName = TextOf(definition, kSuperclass);
    ClassRecord* superclass = nullptr;
    if (*superName) {
        superclass = FindClassNamed(superName, static_cast<uint32_t>(strlen(superName)));
        if (!superclass) ReportMissingSuperclass(cls, superName);
        PluginClass* host = PluginClassOf(superclass);
        if (host && host->kind == PluginClassKind::Class && !host->linked) {
            Link(host);
            if (!host->linked) superclass = nullptr;   // a cycle
        }
    }
    uint32_t dataOffset = superclass ? InstanceSizeOf(superclass) : kBaseInstanceSize;
    cls->record->superclass = superclass;
    cls->record->instanceSize = dataOffset + definition[kDataSize];
    cls->dataOffset = dataOffset;
    definition[kDataOffset] = dataOffset;
    // Direct-access fields are placed in the class's own data, after its
    // superclass's, so that they never overlap the fields of the classes
    // it extends.
    RegisterMembers(cls, definition, dataOffset);
    RegisterEventInstances(cls, Pointer<const uint32_t>(definition[kEventInstances]),
                           definition[kEventInstanceCount]);
    AddInterfaces(cls, Pointer<const char>(definition[kInterfaces]), true);
    cls->linking = false;
    cls->linked = true;
}

} // namespace

extern "C" void PluginRegisterClass(uint32_t* definition) {
    if (!definition || CurrentPluginVersion() < kFirstVersionWithClasses) return;
    const char* name = TextOf(definition, kName);
    if (FindClassNamed(name, static_cast<uint32_t>(strlen(name)))) return;
    StringRef className(NewStringFromText(name));
    ClassRecord* record = NewClassRecord(className.get(), nullptr, 0);
    record->constructor = Pointer<void(ObjectInstance*, ClassRecord*)>(definition[kConstructor]);
    record->destructor = Pointer<void(ObjectInstance*, ClassRecord*)>(definition[kDestructor]);
    PluginClass* cls = AttachPluginClass(record, PluginClassKind::Class);
    cls->owner = CurrentPlugin();
    cls->definition = definition;
    AddPluginClass(cls);
}

extern "C" void PluginRegisterClassExtension(uint32_t* definition) {
    if (!definition || CurrentPluginVersion() < kFirstVersionWithClasses) return;
    const char* name = TextOf(definition, kName);
    ClassRecord* record = FindClassNamed(name, static_cast<uint32_t>(strlen(name)));
    if (!record) return;
    PluginClass* cls = AttachPluginClass(record, PluginClassKind::Extended);
    if (!cls->owner) cls->owner = CurrentPlugin();
    RegisterMembers(cls, definition, kBaseInstanceSize);
}

// Version 1 definitions are 8 bytes: an index into the exported routines,
// then the declaration text.
extern "C" void PluginRegisterMethod(uint32_t* definition) {
    int32_t version = CurrentPluginVersion();
    if (!definition || version == 2 || version < 1) return;
    if (version == 1) {
        uint32_t* converted = static_cast<uint32_t*>(NewRuntimeRecord(12));
        converted[0] = reinterpret_cast<uint32_t>(ExportedRoutine(CurrentPlugin(), definition[0]));
        converted[1] = 0;
        converted[2] = definition[1];
        definition = converted;
    }
    AddGlobalMethod(definition);
}

void LinkPluginClasses() {
    for (PluginClass* cls = FirstPluginClass(); cls; cls = cls->nextOfKind) {
        cls->linked = false;
        cls->definition[kDataOffset] = 0;
    }
    for (PluginClass* cls = FirstPluginClass(); cls; cls = cls->nextOfKind) Link(cls);
}
