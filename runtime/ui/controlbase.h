// The base of every control: the built-in classes "Control" and
// "RectControl", the field layout that all controls share, and the events
// that the window machinery delivers to them. The standard controls and the
// plug-in controls derive from these; the property tables of Control and
// RectControl belong with the standard controls.
#pragma once
#include "window.h"

class Pane;
struct EventDeclaration;

// Control fields, after the object header.
struct ControlFields {
    ObjectInstance header;
    Pane* pane;                    // 24: nil until CreatePane, again after closing
    StringObject* name;            // 28
    int32_t index;                 // 32: 0x80000000 outside a control array
    int32_t tabPanelIndex;         // 36
    RuntimeWindow* runtimeWindow;  // 40
    ObjectInstance* window;        // 44: the Window object
    ObjectInstance* mouseCursor;   // 48
    StringObject* balloonHelp;     // 52
    StringObject* disabledBalloonHelp;  // 56
    StringObject* helpTag;         // 60
};
static_assert(sizeof(ControlFields) == 64, "Control fields");

// RectControl fields; every visible control derives from it. A control's own
// fields begin at kRectControlSize, 92; a plug-in control keeps one word of
// the plug-in host there and its own data at 96.
struct RectControlFields {
    ControlFields control;
    uint8_t visible;               // 64
    uint8_t enabled;               // 65
    uint8_t autoDeactivate;        // 66
    uint8_t lockLeft;              // 67
    uint8_t lockTop;               // 68
    uint8_t lockRight;             // 69
    uint8_t lockBottom;            // 70
    uint8_t reserved71;
    Bounds bounds;                 // 72: client coordinates of the window
    uint32_t reserved80[3];        // 80..91: the runtime's own words
};
static_assert(sizeof(RectControlFields) == 92, "RectControl fields");
constexpr uint32_t kRectControlSize = sizeof(RectControlFields);
constexpr int32_t kNoIndex = static_cast<int32_t>(0x80000000);

inline ControlFields* AsControl(ObjectInstance* object) {
    return reinterpret_cast<ControlFields*>(object);
}
inline RectControlFields* AsRectControl(ObjectInstance* object) {
    return reinterpret_cast<RectControlFields*>(object);
}

// Registers Control and RectControl with their events; run once.
void RegisterControlBaseClasses();
ClassRecord* ControlClass();
ClassRecord* RectControlClass();
bool IsControl(const ObjectInstance* object);
bool IsRectControl(const ObjectInstance* object);

// The events of Control and RectControl, for FindEventHandler.
enum class ControlEvent { CreatePane, Open, Close, DropObject, MouseMove, MouseEnter, MouseExit };
const EventDeclaration* ControlEventDeclaration(ControlEvent event);

// Delivers an event without arguments or result; nothing when unhandled.
void SendControlEvent(ObjectInstance* control, ControlEvent event);

// A built-in control class gives its pane-creating routine as a handler of
// the event "CreatePane", called with the control:
//   void CreateMyPane(ObjectInstance* control);
// It creates the pane, adds it to the control's runtime window (AddPane) and
// stores it in the control's pane field. Plug-in controls register theirs the
// same way. The window calls the handler nearest to Control, so a built-in
// class's routine is never replaced by an application subclass.
void AddBuiltinHandler(ClassRecord* cls, const char* event, void (*routine)(ObjectInstance*));
