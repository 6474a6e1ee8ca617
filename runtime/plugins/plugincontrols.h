// Plug-in controls at run time: the hooks every plug-in control class gets,
// and the control-related entry points that plug-ins call.
#pragma once
#include <cstdint>

struct ClassRecord;
struct ObjectInstance;
struct PluginClass;

// The host's part of a plug-in control instance ends here; the plug-in's
// own data follows.
constexpr uint32_t kPluginControlDataOffset = 96;

// Behaviour table slots.
enum BehaviourSlot {
    kSlotConstructor, kSlotDestructor, kSlotRedraw, kSlotMouseDown, kSlotMouseDrag, kSlotMouseUp,
    kSlotGotFocus, kSlotLostFocus, kSlotKeyDown, kSlotOpen, kSlotClose, kSlotIdle,
    kBehaviourSlots = 25
};

// Installs the constructor and destructor hooks and the named hook
// "CreatePane" (which creates nothing when the definition has flag 4).
void InstallControlHooks(PluginClass* control, bool withoutPane);

// The plug-in control class of an instance's chain; null if none.
PluginClass* PluginControlOf(const ObjectInstance* instance);

extern "C" {
void OPALInvalidateControl(ObjectInstance* instance);
void* GetEventInstance(ObjectInstance* instance, const void* event);
uint32_t GetEventInstancePPC(uint32_t, uint32_t);
}
