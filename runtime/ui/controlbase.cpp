// Control and RectControl: the classes, their events, and the built-in
// handlers through which control classes make their panes.
#include "controlbase.h"
#include "core/compiledcalls.h"
#include "core/string.h"
#include "core/utility.h"

namespace {

const char* const kControlEvents[] = {"CreatePane", "Open", "Close", "DropObject"};
const char* const kRectControlEvents[] = {"MouseMove", "MouseEnter", "MouseExit"};

ClassRecord* controlClass;
ClassRecord* rectControlClass;
const EventDeclaration* events[7];

} // namespace

void RegisterControlBaseClasses() {
    if (controlClass) return;
    controlClass = RegisterBuiltinClass("Control", nullptr, sizeof(ControlFields));
    rectControlClass = RegisterBuiltinClass("RectControl", controlClass, kRectControlSize);
    int n = 0;
    for (const char* name : kControlEvents) events[n++] = DeclareEvent(controlClass, name);
    for (const char* name : kRectControlEvents) events[n++] = DeclareEvent(rectControlClass, name);
}

ClassRecord* ControlClass() { return controlClass; }
ClassRecord* RectControlClass() { return rectControlClass; }

bool IsControl(const ObjectInstance* object) {
    return object && ClassIsa(object->cls, controlClass);
}

bool IsRectControl(const ObjectInstance* object) {
    return object && ClassIsa(object->cls, rectControlClass);
}

const EventDeclaration* ControlEventDeclaration(ControlEvent event) {
    return events[static_cast<int>(event)];
}

void SendControlEvent(ObjectInstance* control, ControlEvent event) {
    if (uint32_t code = FindEventHandler(control, ControlEventDeclaration(event)))
        CallCompiled(code, control);
}

void AddBuiltinHandler(ClassRecord* cls, const char* event, void (*routine)(ObjectInstance*)) {
    EventHandler* handler = static_cast<EventHandler*>(NewRuntimeRecord(sizeof(EventHandler)));
    *handler = EventHandler{cls->eventHandlers, NewStringFromText(event),
                            reinterpret_cast<uint32_t>(routine), 0};
    cls->eventHandlers = handler;
}
