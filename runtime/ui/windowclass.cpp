// The built-in class "Window": its events, in declaration order, and its
// properties, in the order of the class definition.
#include "windowevents.h"
#include "windowproperties.h"
#include "window.h"
#include "core/compiledcalls.h"
#include "core/properties.h"

namespace {

const char* const kEventNames[] = {
    "Open", "Close", "CancelClose", "KeyDown", "MouseMove", "MouseEnter", "MouseExit", "Paint",
    "MouseDown", "MouseDrag", "MouseUp", "EnableMenuItems", "Resized", "Moved", "DropObject",
    "Activate", "Deactivate"};
constexpr int kEventCount = sizeof kEventNames / sizeof kEventNames[0];

ClassRecord* windowClass;
const EventDeclaration* events[kEventCount];

template <typename T>
uint32_t Code(T routine) { return reinterpret_cast<uint32_t>(routine); }

constexpr uint32_t Offset(size_t offset) { return static_cast<uint32_t>(offset); }

void AddField(const char* name, PropertyType type, size_t offset) {
    AddProperty(windowClass, name, type, FieldGetterFor(type), FieldSetterFor(type), Offset(offset));
}

void AddShortField(const char* name, size_t offset) {
    AddProperty(windowClass, name, PropertyType::Integer, Int16FieldGetter(), Int16FieldSetter(),
                Offset(offset));
}

void AddProperties() {
    using P = PropertyType;
    ClassRecord* w = windowClass;
    ClassRecord* picture = FindBuiltinClass("Picture");
    ClassRecord* cursor = FindBuiltinClass("MouseCursor");
    AddProperty(w, "Visible", P::Boolean, Code(&WindowVisibleGetter), Code(&WindowVisibleSetter), 0);
    const char* const positions[] = {"Left", "Top", "Width", "Height"};
    for (uint32_t i = 0; i < 4; i++)
        AddProperty(w, positions[i], P::Integer, Code(&windowPosGetter), Code(&windowPosSetter), i);
    AddField("Placement", P::Integer, offsetof(WindowFields, placement));
    AddProperty(w, "Title", P::String, Code(&windowTitleGetter), Code(&windowTitleSetter), 0);
    AddProperty(w, "FullScreen", P::Boolean, Code(&windowFullScreenGetter),
                Code(&windowFullScreenSetter), 0);
    AddProperty(w, "MenuBarVisible", P::Boolean, Code(&windowMenusVisibleGetter),
                Code(&windowMenusVisibleSetter), 0);
    AddField("CloseBox", P::Boolean, offsetof(WindowFields, closeBox));
    AddField("GrowIcon", P::Boolean, offsetof(WindowFields, growIcon));
    AddField("ZoomIcon", P::Boolean, offsetof(WindowFields, zoomIcon));
    AddField("Frame", P::Integer, offsetof(WindowFields, frame));
    AddProperty(w, "Backdrop", P::Object, Code(&windowBackdropGetter), Code(&windowBackdropSetter), 0,
                picture);
    AddProperty(w, "HasBackColor", P::Boolean, Code(&windowHasBackColorGetter),
                Code(&windowHasBackColorSetter), 0);
    AddProperty(w, "BackColor", P::Color, Code(&windowBackColorGetter), Code(&windowBackColorSetter), 0);
    AddProperty(w, "BalloonHelp", P::String, FieldGetterFor(P::String), Code(&windowBalloonHelpSetter),
                Offset(offsetof(WindowFields, balloonHelp)));
    AddShortField("MinWidth", offsetof(WindowFields, minWidth));
    AddShortField("MinHeight", offsetof(WindowFields, minHeight));
    AddShortField("MaxWidth", offsetof(WindowFields, maxWidth));
    AddShortField("MaxHeight", offsetof(WindowFields, maxHeight));
    AddField("MacProcId", P::Integer, offsetof(WindowFields, macProcId));
    AddProperty(w, "MouseCursor", P::Object, FieldGetterFor(P::Object), Code(&formMouseCursorSetter),
                Offset(offsetof(WindowFields, mouseCursor)), cursor);
    AddProperty(w, "ControlCount", P::Integer, Code(&windowControlCountGetter), 0, 0);
    AddField("FloaterProcess", P::String, offsetof(WindowFields, floaterProcess));
    AddProperty(w, "MouseX", P::Integer, Code(&windowMouseXGetter), 0, 0);
    AddProperty(w, "MouseY", P::Integer, Code(&windowMouseYGetter), 0, 0);
    AddProperty(w, "MacWindowPtr", P::Integer, Code(&windowWindowPtrGetter), 0, 0);
    AddProperty(w, "WinHWND", P::Integer, Code(&windowHWNDGetter), 0, 0);
}

} // namespace

void RegisterWindowClass() {
    if (windowClass) return;
    windowClass = RegisterBuiltinClass("Window", nullptr, sizeof(WindowFields));
    for (int i = 0; i < kEventCount; i++) events[i] = DeclareEvent(windowClass, kEventNames[i]);
    AddProperties();
}

ClassRecord* WindowClass() { return windowClass; }

bool HasWindowHandler(ObjectInstance* window, WindowEvent event) {
    return FindEventHandler(window, events[static_cast<int>(event)]) != 0;
}

bool SendWindowEvent(ObjectInstance* window, WindowEvent event, uint32_t a, uint32_t b) {
    uint32_t code = FindEventHandler(window, events[static_cast<int>(event)]);
    if (!code) return false;
    switch (event) {
    case WindowEvent::KeyDown:
    case WindowEvent::Paint:
    case WindowEvent::DropObject: return BooleanResult(CallCompiled(code, window, a));
    case WindowEvent::MouseMove:
    case WindowEvent::MouseDown:
    case WindowEvent::MouseDrag:
    case WindowEvent::MouseUp: return BooleanResult(CallCompiled(code, window, a, b));
    default: return BooleanResult(CallCompiled(code, window));
    }
}
