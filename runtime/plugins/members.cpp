// Members of plug-in classes and controls. Each is added at the front of its
// class's list; what does not resolve or parse is left out silently (a
// declaration that does not parse sends its diagnostic text to the
// diagnostic channel).
#include "members.h"
#include "diagnostics.h"
#include "directaccess.h"
#include "pluginclasses.h"
#include "pluginrecords.h"
#include "core/objects.h"
#include "core/properties.h"
#include "core/string.h"
#include "core/utility.h"
#include <cstring>

namespace {

constexpr int32_t kDirectAccess = -1;

// Property definition fields, by word.
enum PropertyWord { kGroup, kName, kTypeName, kFlags, kGetter, kSetter, kParameter };
constexpr int kParameterV1 = 4;

constexpr uint32_t kRedrawAfterSet = 1;
constexpr uint32_t kDescriptorFlag = 2;

const char* TextAt(const uint32_t* words, int index) {
    return reinterpret_cast<const char*>(words[index]);
}

uint32_t TextLength(const char* text) { return text ? static_cast<uint32_t>(strlen(text)) : 0; }

MethodDescriptor* Parse(const char* declaration) {
    StringObject* diagnostic = nullptr;
    MethodDescriptor* descriptor = ParseDeclaration(declaration, &diagnostic);
    if (diagnostic) {
        PluginDiagnostic(diagnostic);
        RuntimeUnlockString(diagnostic);
    }
    return descriptor;
}

void AddInterface(ClassRecord* cls, ClassRecord* iface) {
    for (uint32_t i = 0; i < cls->interfaceCount; i++)
        if (cls->interfaces[i].iface == iface) return;
    ImplementedInterface* grown = static_cast<ImplementedInterface*>(
        NewRuntimeRecord(sizeof(ImplementedInterface) * (cls->interfaceCount + 1)));
    for (uint32_t i = 0; i < cls->interfaceCount; i++) grown[i] = cls->interfaces[i];
    grown[cls->interfaceCount] = ImplementedInterface{iface, nullptr, 0};
    if (cls->interfaces) DeleteRuntimeRecord(cls->interfaces);
    cls->interfaces = grown;
    cls->interfaceCount++;
    InvalidateInterfaceTables();
}

PropertyType TableType(BuiltinType type) {
    switch (type) {
    case BuiltinType::String: return PropertyType::String;
    case BuiltinType::Single: return PropertyType::Single;
    case BuiltinType::Double: return PropertyType::Double;
    case BuiltinType::Boolean: return PropertyType::Boolean;
    case BuiltinType::Color: return PropertyType::Color;
    case BuiltinType::Object: return PropertyType::Object;
    default: return PropertyType::Integer;
    }
}

// The row of the class's property table, through which window descriptions
// set the property by name. One parameter serves both accessors there, so a
// getter that takes another parameter than the setter is left out of it.
void AddTableRow(PluginClass* cls, const PluginProperty* property) {
    uint32_t getter = property->getterParameter == property->setterParameter
                          ? reinterpret_cast<uint32_t>(property->getter) : 0;
    PropertyDescriptor* row = AddProperty(cls->record, StringText(property->name), TableType(property->type.kind),
                                          getter, reinterpret_cast<uint32_t>(property->setter),
                                          property->setterParameter, property->type.cls);
    if (row) row->flags |= property->flags;
}

void ReportMissingInterface(const ClassRecord* cls, const char* part, uint32_t length) {
    StringRef start(NewStringFromText("Couldn't find "));
    StringRef middle(NewStringFromText(" interface : "));
    StringRef name(NewString(part, length));
    StringRef a(RuntimeAddString(start.get(), cls->name));
    StringRef b(RuntimeAddString(a.get(), middle.get()));
    StringRef text(RuntimeAddString(b.get(), name.get()));
    PluginDiagnostic(text.get());
}

} // namespace

void RegisterProperty(PluginClass* cls, const uint32_t* definition, bool version1, uint32_t base) {
    const char* typeName = TextAt(definition, kTypeName);
    PluginType type = ResolveTypeName(typeName ? typeName : "", TextLength(typeName));
    if (type.kind == BuiltinType::None) return;
    uint32_t flags = definition[kFlags];
    int32_t getter = version1 ? kDirectAccess : static_cast<int32_t>(definition[kGetter]);
    int32_t setter = version1 ? kDirectAccess : static_cast<int32_t>(definition[kSetter]);
    uint32_t parameter = definition[version1 ? kParameterV1 : int(kParameter)];
    bool redraws = cls->kind == PluginClassKind::Control && (flags & kRedrawAfterSet);

    PluginProperty* property = static_cast<PluginProperty*>(NewRuntimeRecord(sizeof(PluginProperty)));
    *property = PluginProperty{};
    const char* name = TextAt(definition, kName);
    property->name = NewString(name, TextLength(name));
    property->type = type;
    property->getter = getter == kDirectAccess ? DirectGetter(type) : reinterpret_cast<void*>(getter);
    property->setter = setter == kDirectAccess ? DirectSetter(type, redraws)
                                               : reinterpret_cast<void*>(setter);
    property->getterParameter = getter == kDirectAccess ? base + parameter : parameter;
    property->setterParameter = setter == kDirectAccess ? base + parameter : parameter;
    property->flags = (flags & kDescriptorFlag) ? 1u : 0u;
    property->next = cls->properties;
    cls->properties = property;
    AddTableRow(cls, property);
}

void RegisterProperties(PluginClass* cls, const uint32_t* definitions, uint32_t count, uint32_t base) {
    for (uint32_t i = 0; definitions && i < count; i++)
        RegisterProperty(cls, definitions + i * 10, false, base);
}

void RegisterMethods(PluginClass* cls, const uint32_t* definitions, uint32_t count) {
    for (uint32_t i = 0; definitions && i < count; i++) {
        const uint32_t* definition = definitions + i * 3;
        MethodDescriptor* descriptor = Parse(TextAt(definition, 2));
        if (!descriptor) continue;
        PluginMethod* method = static_cast<PluginMethod*>(NewRuntimeRecord(sizeof(PluginMethod)));
        *method = PluginMethod{cls->methods, descriptor, reinterpret_cast<void*>(definition[0]),
                               reinterpret_cast<void*>(definition[1])};
        cls->methods = method;
    }
}

void RegisterEvents(PluginClass* cls, uint32_t* definitions, uint32_t count) {
    for (uint32_t i = 0; definitions && i < count; i++) {
        uint32_t* definition = definitions + i * 2;
        MethodDescriptor* descriptor = Parse(TextAt(definition, 0));
        if (!descriptor) continue;
        const EventDeclaration* event = DeclareEvent(cls->record, StringText(descriptor->name));
        definition[1] = reinterpret_cast<uint32_t>(event);
        DeleteMethodDescriptor(descriptor);
    }
}

void AddNamedHook(PluginClass* cls, const char* name, void* routine) {
    NamedHook* hook = static_cast<NamedHook*>(NewRuntimeRecord(sizeof(NamedHook)));
    *hook = NamedHook{cls->hooks, NewString(name, TextLength(name)), routine};
    cls->hooks = hook;
}

void RegisterEventInstances(PluginClass* cls, const uint32_t* entries, uint32_t count) {
    for (uint32_t i = 0; entries && i < count; i++)
        AddNamedHook(cls, TextAt(entries + i * 2, 0), ExportedRoutine(cls->owner, entries[i * 2 + 1]));
}

void AddInterfaces(PluginClass* cls, const char* names, bool report) {
    if (!names) return;
    for (const char* part = names; *part;) {
        const char* comma = strchr(part, ',');
        uint32_t length = comma ? static_cast<uint32_t>(comma - part) : TextLength(part);
        ClassRecord* iface = FindClassNamed(part, length);
        if (iface && iface->isInterface) AddInterface(cls->record, iface);
        else if (report) ReportMissingInterface(cls->record, part, length);
        if (!comma) break;
        part = comma + 1;
    }
}
