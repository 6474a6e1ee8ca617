// Plug-in control instances: the hooks on every plug-in control class, and
// the events that plug-ins fire into application code.
#include "plugincontrols.h"
#include "members.h"
#include "pluginclasses.h"
#include "pluginpane.h"
#include "core/objects.h"
#include "ui/controlbase.h"

namespace {

using InstanceSlot = void (*)(ObjectInstance* instance);

void CallInstanceSlot(const PluginClass* control, int slot, ObjectInstance* instance) {
    if (!control->behaviour) return;
    if (InstanceSlot routine = reinterpret_cast<InstanceSlot>(control->behaviour[slot]))
        routine(instance);
}

// Called with the plug-in control's own class record, also for instances of
// application subclasses.
void ConstructorHook(ObjectInstance* instance, ClassRecord* cls) {
    AsRectControl(instance)->enabled = 1;
    CallInstanceSlot(PluginClassOf(cls), kSlotConstructor, instance);
}

void DestructorHook(ObjectInstance* instance, ClassRecord* cls) {
    DestroyPluginPane(instance);
    CallInstanceSlot(PluginClassOf(cls), kSlotDestructor, instance);
    ForgetPaneInstance(instance);
}

// A control without a native pane is never shown.
void CreateNoPane(ObjectInstance*) {}

} // namespace

void InstallControlHooks(PluginClass* control, bool withoutPane) {
    control->record->constructor = ConstructorHook;
    control->record->destructor = DestructorHook;
    void (*create)(ObjectInstance*) = withoutPane ? CreateNoPane : CreatePluginPane;
    AddNamedHook(control, "CreatePane", reinterpret_cast<void*>(create));
    AddBuiltinHandler(control->record, "CreatePane", create);
}

PluginClass* PluginControlOf(const ObjectInstance* instance) {
    for (const ClassRecord* cls = instance ? instance->cls : nullptr; cls; cls = cls->superclass) {
        PluginClass* host = PluginClassOf(cls);
        if (host && host->kind == PluginClassKind::Control) return host;
    }
    return nullptr;
}

extern "C" {

void* GetEventInstance(ObjectInstance* instance, const void* event) {
    if (!instance || !event) return nullptr;
    return reinterpret_cast<void*>(
        FindEventHandler(instance, static_cast<const EventDeclaration*>(event)));
}

uint32_t GetEventInstancePPC(uint32_t, uint32_t) { return 0; }

}
