// The properties of Control and RectControl: their accessor entry points and
// their rows in the two classes' property tables. A setter stores the value
// and, when the control has a pane, passes it on.
#include "controlbase.h"
#include "controlclasses.h"
#include "pane.h"
#include "core/properties.h"
#include "core/string.h"

namespace {

enum Position : uint32_t { kLeft, kTop, kWidth, kHeight };

RectControlFields* Rect(ObjectInstance* control) { return AsRectControl(control); }
Pane* PaneOf(ObjectInstance* control) { return control ? AsControl(control)->pane : nullptr; }

template <typename Routine>
uint32_t Code(Routine routine) { return reinterpret_cast<uint32_t>(routine); }

void ApplyBounds(ObjectInstance* control, const Bounds& bounds) {
    RectControlFields* rect = Rect(control);
    if (bounds == rect->bounds) return;
    rect->bounds = bounds;
    if (Pane* pane = PaneOf(control)) pane->MoveTo(bounds);
}

void StoreFlag(uint8_t* field, bool value) { *field = value ? 1 : 0; }

POINT CursorInWindow(ObjectInstance* control) {
    POINT at = {0, 0};
    Pane* pane = PaneOf(control);
    if (!pane) return at;
    GetCursorPos(&at);
    ScreenToClient(ContentWindowOf(pane->window()), &at);
    return at;
}

} // namespace

extern "C" {

void controlHelpTagSetter(ObjectInstance* control, uint32_t, StringObject* text) {
    stringSetter(control, offsetof(ControlFields, helpTag), text);
}
void controlBalloonHelpSetter(ObjectInstance* control, uint32_t, StringObject* text) {
    stringSetter(control, offsetof(ControlFields, balloonHelp), text);
}
void controlDisabledBalloonHelpSetter(ObjectInstance* control, uint32_t, StringObject* text) {
    stringSetter(control, offsetof(ControlFields, disabledBalloonHelp), text);
}
// The window shows the control's cursor over its pane (WM_SETCURSOR).
void controlMouseCursorSetter(ObjectInstance* control, uint32_t, ObjectInstance* cursor) {
    objSetter(control, offsetof(ControlFields, mouseCursor), cursor);
}

int32_t controlMouseXGetter(ObjectInstance* control, uint32_t) { return CursorInWindow(control).x; }
int32_t controlMouseYGetter(ObjectInstance* control, uint32_t) { return CursorInWindow(control).y; }

ObjectInstance* controlWindowGetter(ObjectInstance* control, uint32_t) {
    ObjectInstance* window = AsControl(control)->window;
    LockObject(window);
    return window;
}

uint32_t controlMacControlHandleGetter(ObjectInstance* control, uint32_t) {
    Pane* pane = PaneOf(control);
    return pane ? reinterpret_cast<uint32_t>(pane->hwnd()) : 0;
}

bool controlVisibleGetter(ObjectInstance* control, uint32_t) { return Rect(control)->visible; }
void ControlVisibleSetter(ObjectInstance* control, uint32_t, bool visible) {
    StoreFlag(&Rect(control)->visible, visible);
    if (Pane* pane = PaneOf(control)) pane->ChangeState(visible ? Pane::kShow : Pane::kHide);
}

bool controlEnabledGetter(ObjectInstance* control, uint32_t) { return Rect(control)->enabled; }
void controlEnabledSetter(ObjectInstance* control, uint32_t, bool enabled) {
    StoreFlag(&Rect(control)->enabled, enabled);
    if (Pane* pane = PaneOf(control)) pane->ChangeState(enabled ? Pane::kEnable : Pane::kDisable);
}

bool controlAutoDeactivateGetter(ObjectInstance* control, uint32_t) {
    return Rect(control)->autoDeactivate;
}
void controlAutoDeactivateSetter(ObjectInstance* control, uint32_t, bool value) {
    StoreFlag(&Rect(control)->autoDeactivate, value);
    if (Pane* pane = PaneOf(control)) pane->autoDeactivate = value;
}

bool controlLockLeftGetter(ObjectInstance* control, uint32_t) { return Rect(control)->lockLeft; }
bool controlLockTopGetter(ObjectInstance* control, uint32_t) { return Rect(control)->lockTop; }
bool controlLockRightGetter(ObjectInstance* control, uint32_t) { return Rect(control)->lockRight; }
bool controlLockBottomGetter(ObjectInstance* control, uint32_t) { return Rect(control)->lockBottom; }
void controlLockLeftSetter(ObjectInstance* control, uint32_t, bool v) { StoreFlag(&Rect(control)->lockLeft, v); }
void controlLockTopSetter(ObjectInstance* control, uint32_t, bool v) { StoreFlag(&Rect(control)->lockTop, v); }
void controlLockRightSetter(ObjectInstance* control, uint32_t, bool v) { StoreFlag(&Rect(control)->lockRight, v); }
void controlLockBottomSetter(ObjectInstance* control, uint32_t, bool v) {
    StoreFlag(&Rect(control)->lockBottom, v);
}

// The parameter says which: 0 Left, 1 Top, 2 Width, 3 Height.
int32_t ctlPosGetter(ObjectInstance* control, uint32_t which) {
    const Bounds& b = Rect(control)->bounds;
    switch (which) {
    case kLeft: return b.left;
    case kTop: return b.top;
    case kWidth: return b.Width();
    case kHeight: return b.Height();
    default: return 0;
    }
}

void ctlPosSetter(ObjectInstance* control, uint32_t which, int32_t value) {
    Bounds b = Rect(control)->bounds;
    const int16_t v = static_cast<int16_t>(value);
    switch (which) {
    case kLeft: b.right = int16_t(v + b.Width()), b.left = v; break;
    case kTop: b.bottom = int16_t(v + b.Height()), b.top = v; break;
    case kWidth: b.right = int16_t(b.left + v); break;
    case kHeight: b.bottom = int16_t(b.top + v); break;
    default: return;
    }
    ApplyBounds(control, b);
}

} // extern "C"

void RegisterControlBaseProperties() {
    ClassRecord* control = ControlClass();
    const uint32_t stringGet = FieldGetterFor(PropertyType::String);
    const uint32_t stringSet = FieldSetterFor(PropertyType::String);
    AddProperty(control, "Name", PropertyType::String, stringGet, stringSet,
                offsetof(ControlFields, name));
    AddProperty(control, "Index", PropertyType::Integer, FieldGetterFor(PropertyType::Integer),
                FieldSetterFor(PropertyType::Integer), offsetof(ControlFields, index));
    AddProperty(control, "HelpTag", PropertyType::String, stringGet, Code(&controlHelpTagSetter),
                offsetof(ControlFields, helpTag));
    AddProperty(control, "BalloonHelp", PropertyType::String, stringGet,
                Code(&controlBalloonHelpSetter), offsetof(ControlFields, balloonHelp));
    AddProperty(control, "DisabledBalloonHelp", PropertyType::String, stringGet,
                Code(&controlDisabledBalloonHelpSetter), offsetof(ControlFields, disabledBalloonHelp));
    AddProperty(control, "TabPanelIndex", PropertyType::Integer,
                FieldGetterFor(PropertyType::Integer), FieldSetterFor(PropertyType::Integer),
                offsetof(ControlFields, tabPanelIndex));
    AddProperty(control, "MouseCursor", PropertyType::Object, FieldGetterFor(PropertyType::Object),
                Code(&controlMouseCursorSetter), offsetof(ControlFields, mouseCursor),
                FindBuiltinClass("MouseCursor"));
    AddProperty(control, "MouseX", PropertyType::Integer, Code(&controlMouseXGetter), 0, 0);
    AddProperty(control, "MouseY", PropertyType::Integer, Code(&controlMouseYGetter), 0, 0);
    AddProperty(control, "Window", PropertyType::Object, Code(&controlWindowGetter), 0, 0,
                FindBuiltinClass("Window"));
    AddProperty(control, "MacControlHandle", PropertyType::Integer,
                Code(&controlMacControlHandleGetter), 0, 0);
    AddProperty(control, "Handle", PropertyType::Integer, Code(&controlMacControlHandleGetter), 0, 0);

    ClassRecord* rect = RectControlClass();
    AddProperty(rect, "Visible", PropertyType::Boolean, Code(&controlVisibleGetter),
                Code(&ControlVisibleSetter), 0);
    const char* const positions[] = {"Left", "Top", "Width", "Height"};
    for (uint32_t which = kLeft; which <= kHeight; which++)
        AddProperty(rect, positions[which], PropertyType::Integer, Code(&ctlPosGetter),
                    Code(&ctlPosSetter), which);
    AddProperty(rect, "Enabled", PropertyType::Boolean, Code(&controlEnabledGetter),
                Code(&controlEnabledSetter), 0);
    AddProperty(rect, "AutoDeactivate", PropertyType::Boolean, Code(&controlAutoDeactivateGetter),
                Code(&controlAutoDeactivateSetter), 0);
    AddProperty(rect, "LockLeft", PropertyType::Boolean, Code(&controlLockLeftGetter),
                Code(&controlLockLeftSetter), 0);
    AddProperty(rect, "LockTop", PropertyType::Boolean, Code(&controlLockTopGetter),
                Code(&controlLockTopSetter), 0);
    AddProperty(rect, "LockRight", PropertyType::Boolean, Code(&controlLockRightGetter),
                Code(&controlLockRightSetter), 0);
    AddProperty(rect, "LockBottom", PropertyType::Boolean, Code(&controlLockBottomGetter),
                Code(&controlLockBottomSetter), 0);
}
