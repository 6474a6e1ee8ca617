// Registering plug-in controls. A definition of version 3 or more is used as
// it stands; one of version 1 is first converted into a version-4 record
// that the host keeps; other versions register nothing.
//
// Control definition words (versions 3 to 5): version, class name, data
// size, flags, two picture numbers, default width and height, properties
// and their count, methods and their count, events and their count, the
// behaviour table, the host-written data offset; version 4 on: event-
// instance entries and their count, interface names; version 5: a table of
// three-text entries and its count (not read).
#include "members.h"
#include "pluginclasses.h"
#include "plugincontrols.h"
#include "pluginrecords.h"
#include "core/objects.h"
#include "core/string.h"
#include "core/utility.h"
#include <initializer_list>

namespace {

enum ControlWord {
    kVersion, kName, kDataSize, kFlags, kPicture, kPicture2, kWidth, kHeight,
    kProperties, kPropertyCount, kMethods, kMethodCount, kEvents, kEventCount,
    kBehaviour, kDataOffset, kEventInstances, kEventInstanceCount, kInterfaces,
    kVersion4Words
};

enum ControlWordV1 {
    kPropertiesV1 = 6, kPropertyCountV1, kMethodsV1, kMethodCountV1, kEventsV1, kEventCountV1,
    kBehaviourV1, kDataOffsetV1
};

constexpr uint32_t kWithoutPane = 4;
constexpr uint32_t kDefaultSizeOfVersion1 = 100;

uint32_t* ConvertProperties(const uint32_t* old, uint32_t count) {
    uint32_t* converted = static_cast<uint32_t*>(NewRuntimeRecord(40 * (count ? count : 1)));
    for (uint32_t i = 0; i < count; i++) {
        const uint32_t* from = old + i * 5;
        uint32_t* to = converted + i * 10;
        const uint32_t words[10] = {from[0], from[1], from[2], from[3], 0xFFFFFFFFu, 0xFFFFFFFFu,
                                    from[4], 0, 0, 0};
        for (int w = 0; w < 10; w++) to[w] = words[w];
    }
    return converted;
}

uint32_t* ConvertMethods(const uint32_t* old, uint32_t count) {
    uint32_t* converted = static_cast<uint32_t*>(NewRuntimeRecord(12 * (count ? count : 1)));
    for (uint32_t i = 0; i < count; i++) {
        converted[i * 3] = reinterpret_cast<uint32_t>(ExportedRoutine(CurrentPlugin(), old[i * 2]));
        converted[i * 3 + 1] = 0;
        converted[i * 3 + 2] = old[i * 2 + 1];
    }
    return converted;
}

uint32_t* ConvertVersion1(const uint32_t* old) {
    uint32_t* record = static_cast<uint32_t*>(NewRuntimeRecord(sizeof(uint32_t) * kVersion4Words));
    for (int w = 0; w < kVersion4Words; w++) record[w] = 0;
    record[kVersion] = 4;
    for (int w : {kName, kDataSize, kFlags, kPicture, kPicture2}) record[w] = old[w];
    record[kWidth] = record[kHeight] = kDefaultSizeOfVersion1;
    record[kProperties] = reinterpret_cast<uint32_t>(
        ConvertProperties(reinterpret_cast<const uint32_t*>(old[kPropertiesV1]),
                          old[kPropertiesV1] ? old[kPropertyCountV1] : 0));
    record[kPropertyCount] = old[kPropertiesV1] ? old[kPropertyCountV1] : 0;
    record[kMethods] = reinterpret_cast<uint32_t>(
        ConvertMethods(reinterpret_cast<const uint32_t*>(old[kMethodsV1]),
                       old[kMethodsV1] ? old[kMethodCountV1] : 0));
    record[kMethodCount] = old[kMethodsV1] ? old[kMethodCountV1] : 0;
    record[kEvents] = old[kEventsV1];
    record[kEventCount] = old[kEventCountV1];
    record[kBehaviour] = old[kBehaviourV1];
    return record;
}

template <typename T>
T* Pointer(uint32_t word) { return reinterpret_cast<T*>(word); }

void RegisterDefinition(uint32_t* definition) {
    const char* name = Pointer<const char>(definition[kName]);
    StringRef className(NewStringFromText(name ? name : ""));
    ClassRecord* cls = NewClassRecord(className.get(), FindBuiltinClass("RectControl"),
                                      kPluginControlDataOffset + definition[kDataSize]);
    PluginClass* control = AttachPluginClass(cls, PluginClassKind::Control);
    control->owner = CurrentPlugin();
    control->definition = definition;
    control->behaviour = Pointer<void* const>(definition[kBehaviour]);
    control->dataOffset = kPluginControlDataOffset;
    control->linked = true;
    definition[kDataOffset] = kPluginControlDataOffset;
    InstallControlHooks(control, (definition[kFlags] & kWithoutPane) != 0);

    RegisterProperties(control, Pointer<const uint32_t>(definition[kProperties]),
                       definition[kPropertyCount], kPluginControlDataOffset);
    RegisterMethods(control, Pointer<const uint32_t>(definition[kMethods]), definition[kMethodCount]);
    RegisterEvents(control, Pointer<uint32_t>(definition[kEvents]), definition[kEventCount]);
    if (definition[kVersion] >= 4) {
        RegisterEventInstances(control, Pointer<const uint32_t>(definition[kEventInstances]),
                               definition[kEventInstanceCount]);
        AddInterfaces(control, Pointer<const char>(definition[kInterfaces]), false);
    }
    AddPluginControl(control);
}

} // namespace

extern "C" void PluginRegisterControl(uint32_t* definition) {
    if (!definition || !CurrentPlugin()) return;
    int32_t version = static_cast<int32_t>(definition[kVersion]);
    if (version == 1) {
        RegisterDefinition(ConvertVersion1(definition));
        definition[kDataOffsetV1] = kPluginControlDataOffset;
    } else if (version >= 3) {
        RegisterDefinition(definition);
    }
}
