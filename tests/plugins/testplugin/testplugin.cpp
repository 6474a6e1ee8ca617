// A plug-in for the host's tests, written against the plug-in interface
// alone: its own copies of the definition layouts, every runtime routine
// found through the resolver. It registers a control without a pane, a
// version-1 control, a version-2 control (refused), two classes of which the
// first names the second as superclass, a class whose superclass does not
// exist, an extension of FolderItem, global methods of versions 1, 2 and 5,
// and declarations that the host must refuse.
#include <windows.h>

namespace {

using Resolver = void* (*)(const char* name);
Resolver resolver;

template <typename F>
F Runtime(const char* name) { return reinterpret_cast<F>(resolver(name)); }

struct PropertyDefinition {
    const char* group;
    const char* name;
    const char* type;
    unsigned flags;
    void* getter;             // (void*)-1: direct field access
    void* setter;
    unsigned parameter;
    unsigned designWord, enumCount;
    const char** enumEntries;
};

struct MethodDefinition {
    void* routine;
    void* assigningRoutine;
    const char* declaration;
};

struct EventDefinition {
    const char* declaration;
    void* reference;          // written by the host
};

struct EventInstanceEntry {
    const char* name;
    unsigned exportIndex;
};

struct ControlDefinition {
    int version;
    const char* name;
    unsigned dataSize, flags, picture, picture2, width, height;
    PropertyDefinition* properties;
    unsigned propertyCount;
    MethodDefinition* methods;
    unsigned methodCount;
    EventDefinition* events;
    unsigned eventCount;
    void* const* behaviour;
    unsigned dataOffset;      // written by the host
    EventInstanceEntry* eventInstances;
    unsigned eventInstanceCount;
    const char* interfaces;
    void* texts;
    unsigned textCount;
};

struct PropertyDefinitionV1 {
    const char* group;
    const char* name;
    const char* type;
    unsigned flags;
    unsigned parameter;
};

struct MethodDefinitionV1 {
    unsigned exportIndex;
    const char* declaration;
};

struct ControlDefinitionV1 {
    int version;
    const char* name;
    unsigned dataSize, flags, picture, picture2;
    PropertyDefinitionV1* properties;
    unsigned propertyCount;
    MethodDefinitionV1* methods;
    unsigned methodCount;
    EventDefinition* events;
    unsigned eventCount;
    void* const* behaviour;
    unsigned dataOffset;      // written by the host
};

struct ClassDefinition {
    int version;
    const char* name;
    const char* superclass;
    unsigned dataSize;
    unsigned dataOffset;      // written by the host
    void* constructor;
    void* destructor;
    PropertyDefinition* properties;
    unsigned propertyCount;
    MethodDefinition* methods;
    unsigned methodCount;
    EventDefinition* events;
    unsigned eventCount;
    EventInstanceEntry* eventInstances;
    unsigned eventInstanceCount;
    const char* interfaces;
};

struct ExportEntry {
    unsigned word0;
    void* routine;
    unsigned word2;
};

void* const kDirect = reinterpret_cast<void*>(-1);

template <typename F>
void* Code(F f) { return reinterpret_cast<void*>(f); }

// --- the Gauge control: no pane, its data at the offset the host writes ---

struct GaugeData {
    int level;
    void* face;
    void* label;
    int destroyed;
};

ControlDefinition gauge;
int gaugesDestroyed;

GaugeData* DataOf(void* instance) {
    return reinterpret_cast<GaugeData*>(static_cast<char*>(instance) + gauge.dataOffset);
}

void GaugeConstructor(void* instance) { DataOf(instance)->level = 7; }
void GaugeDestructor(void* instance) {
    gaugesDestroyed++;
    Runtime<void (*)(void*)>("OPALUnlockString")(DataOf(instance)->label);
}

void* GaugeLabelGetter(void* instance, unsigned parameter) {
    void* label = *reinterpret_cast<void**>(reinterpret_cast<char*>(DataOf(instance)) + parameter);
    Runtime<void (*)(void*)>("OPALLockString")(label);
    return label;
}

void GaugeLabelSetter(void* instance, unsigned parameter, void* value) {
    void** field = reinterpret_cast<void**>(reinterpret_cast<char*>(DataOf(instance)) + parameter);
    Runtime<void (*)(void*)>("OPALLockString")(value);
    Runtime<void (*)(void*)>("OPALUnlockString")(*field);
    *field = value;
}

int GaugeScale(void* instance, int by) { return DataOf(instance)->level * by; }
void GaugeReset(void* instance) { DataOf(instance)->level = 0; }

EventDefinition gaugeEvents[] = {{"Changed(level As Integer)", nullptr},
                                 {"Refused(x As Nowhere)", nullptr}};

// Raises the level and fires Changed when the application handles it.
int GaugeBump(void* instance) {
    int level = ++DataOf(instance)->level;
    using Handler = void (*)(void*, int);
    auto handler = Runtime<Handler (*)(void*, void*)>("GetEventInstance")(instance,
                                                                          gaugeEvents[0].reference);
    if (!handler) return 0;
    handler(instance, level);
    return 1;
}

PropertyDefinition gaugeProperties[] = {
    {"Behavior", "Level", "integer", 1, kDirect, kDirect, 0, 0, 0, nullptr},
    {"Appearance", "Face", "Picture", 1, kDirect, kDirect, 4, 0, 0, nullptr},
    {"Appearance", "Label", "String", 0, Code(GaugeLabelGetter), Code(GaugeLabelSetter), 8, 0, 0,
     nullptr},
    {"Appearance", "Bogus", "NoSuchType", 0, kDirect, kDirect, 12, 0, 0, nullptr},
};

MethodDefinition gaugeMethods[] = {
    {Code(GaugeReset), nullptr, "Reset"},
    {Code(GaugeScale), nullptr, "Scale(by As Integer) As Integer"},
    {Code(GaugeBump), nullptr, "Bump As Boolean"},
    {Code(GaugeReset), nullptr, "Bad(x As NoSuchClass)"},
    {Code(GaugeReset), nullptr, "Bad2 As NoSuchClass"},
    {Code(GaugeReset), nullptr, "Bad3 As 42"},
};

void* const gaugeBehaviour[25] = {Code(GaugeConstructor), Code(GaugeDestructor)};

int GaugeHook(void*) { return 77; }

EventInstanceEntry gaugeHooks[] = {{"GaugeHook", 2}};

// --- version 1: a control and a global method through the export table ---

int Twice(int n) { return 2 * n; }
int Thrice(int n) { return 3 * n; }

ExportEntry exportTable[] = {{0, Code(Thrice), 0}, {0, Code(Twice), 0}, {0, Code(GaugeHook), 0}};

PropertyDefinitionV1 oldGaugeProperties[] = {{"Behavior", "Width", "Integer", 0, 0}};
MethodDefinitionV1 oldGaugeMethods[] = {{0, "Thrice(n As Integer) As Integer"}};
void* const emptyBehaviour[25] = {};
ControlDefinitionV1 oldGauge = {1, "OldGauge", 4, 4, 1, 2, oldGaugeProperties, 1,
                                oldGaugeMethods, 1, nullptr, 0, emptyBehaviour, 0};
MethodDefinitionV1 fromExports = {1, "FromExports(n As Integer) As Integer"};

ControlDefinition phantom = {2, "Phantom", 4, 4, 0, 0, 10, 10, nullptr, 0, nullptr, 0, nullptr, 0,
                             emptyBehaviour, 0, nullptr, 0, nullptr, nullptr, 0};

// --- classes: Gadget names GadgetBase, which is registered after it ---

PropertyDefinition gadgetProperties[] = {
    {"", "Serial", "Integer", 0, kDirect, kDirect, 0, 0, 0, nullptr}};
PropertyDefinition gadgetBaseProperties[] = {
    {"", "Base", "Integer", 0, kDirect, kDirect, 0, 0, 0, nullptr}};

ClassDefinition gadget = {5, "Gadget", "GadgetBase", 8, 0, nullptr, nullptr, gadgetProperties, 1,
                          nullptr, 0, nullptr, 0, nullptr, 0, "NoSuchInterface"};
ClassDefinition gadgetBase = {5, "GadgetBase", "", 12, 0, nullptr, nullptr, gadgetBaseProperties,
                              1, nullptr, 0, nullptr, 0, nullptr, 0, nullptr};
ClassDefinition orphan = {5, "Orphan", "Missing", 4, 0, nullptr, nullptr, nullptr, 0,
                          nullptr, 0, nullptr, 0, nullptr, 0, nullptr};
ClassDefinition ignoredClass = {5, "IgnoredClass", "", 4, 0, nullptr, nullptr, nullptr, 0,
                                nullptr, 0, nullptr, 0, nullptr, 0, nullptr};

// --- an extension of the runtime's FolderItem ---

int Probe(void*) { return 42; }
MethodDefinition probeMethods[] = {{Code(Probe), nullptr, "Probe As Integer"}};
ClassDefinition folderItemExtension = {5, "FolderItem", "", 0, 0, nullptr, nullptr, nullptr, 0,
                                       probeMethods, 1, nullptr, 0, nullptr, 0, nullptr};

// --- global methods ---

int OldGaugeDataOffset() { return static_cast<int>(oldGauge.dataOffset); }

// The resolver's answer for a name, as a number: 0 for none.
int Resolve(void* name) {
    const char* text = Runtime<const char* (*)(void*)>("StringGetCString")(name);
    return static_cast<int>(reinterpret_cast<INT_PTR>(resolver(text)));
}

MethodDefinition twiceMethod = {Code(Twice), nullptr, "Twice(n As Integer) As Integer"};
MethodDefinition offsetMethod = {Code(OldGaugeDataOffset), nullptr, "OldGaugeDataOffset As Integer"};
MethodDefinition resolveMethod = {Code(Resolve), nullptr, "Resolve(name As String) As Integer"};
MethodDefinition ignoredMethod = {Code(Twice), nullptr, "IgnoredV2 As Integer"};

} // namespace

extern "C" void OPALPluginMain(Resolver callbackResolver) {
    resolver = callbackResolver;
    auto version = Runtime<void (*)(int)>("RegisterPluginVersion");
    auto registerControl = Runtime<void (*)(void*)>("PluginRegisterControl");
    auto registerClass = Runtime<void (*)(void*)>("PluginRegisterClass");
    auto registerMethod = Runtime<void (*)(void*)>("PluginRegisterMethod");

    version(2);                     // too old for classes and global methods
    registerClass(&ignoredClass);
    registerMethod(&ignoredMethod);

    version(1);
    Runtime<void (*)(void*)>("RegisterPluginExports")(exportTable);
    registerMethod(&fromExports);

    version(5);
    registerControl(&oldGauge);
    registerControl(&phantom);
    gauge = ControlDefinition{5, "Gauge", sizeof(GaugeData), 4, 0, 0, 40, 20,
                              gaugeProperties, 4, gaugeMethods, 6, gaugeEvents, 2,
                              gaugeBehaviour, 0, gaugeHooks, 1, "NoSuchInterface", nullptr, 0};
    registerControl(&gauge);
    registerClass(&gadget);
    registerClass(&gadgetBase);
    registerClass(&orphan);
    Runtime<void (*)(void*)>("PluginRegisterClassExtension")(&folderItemExtension);
    registerMethod(&twiceMethod);
    registerMethod(&offsetMethod);
    registerMethod(&resolveMethod);
}
