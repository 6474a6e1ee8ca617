// The instance layouts of the runtime's control classes. Compiled code and
// plug-ins rely on these offsets: a class's fields follow its superclass's,
// each at its natural alignment. The static asserts pin the offsets that
// others use (the static text's Text at 0x68, the plug-in data at 96 right
// after the host's control part).
#pragma once
#include "core/objects.h"
#include <cstddef>
#include <cstdint>

struct StringObject;
class Pane;

struct ControlFields {
    ObjectInstance header;
    Pane* pane;                      // nil until CreatePane, and after the window closed
    StringObject* name;
    int32_t index;                   // kNoControlIndex outside a control array
    int32_t tabPanelIndex;
    void* runtimeWindow;             // the native window record that holds it
    ObjectInstance* window;          // the Window object (property Window)
    ObjectInstance* mouseCursor;
    StringObject* balloonHelp;
    StringObject* disabledBalloonHelp;
    StringObject* helpTag;
};
static_assert(offsetof(ControlFields, pane) == 24 && sizeof(ControlFields) == 64, "Control");

constexpr int32_t kNoControlIndex = int32_t(0x80000000u);

// Bounds of windows and controls: top, left, bottom, right.
struct Bounds16 {
    int16_t top, left, bottom, right;
};

struct RectControlFields {
    ControlFields control;
    uint8_t visible;
    uint8_t enabled;
    uint8_t autoDeactivate;
    uint8_t lockLeft, lockTop, lockRight, lockBottom;
    Bounds16 bounds;                 // client coordinates of its window
    // The runtime's own part, not properties:
    ObjectInstance* enclosingCanvas; // the first canvas of the window around it
    void* propertyRecord;            // its description pairs (control-array clones)
    uint8_t mouseInside;             // the cursor is over it (MouseEnter/MouseExit)
};
static_assert(offsetof(RectControlFields, visible) == 64 && offsetof(RectControlFields, bounds) == 72 &&
                  sizeof(RectControlFields) == 92,
              "RectControl");

// The font specification in the order of push buttons, check boxes and edit
// fields; the static text keeps its own order (StaticTextFields).
struct ButtonFontFields {
    StringObject* textFont;
    int16_t textSize;
    uint8_t bold, italic, underline;
};

struct ReceiverNode {                // a linked list of object references
    ReceiverNode* next;
    ObjectInstance* receiver;
};

struct PushButtonFields {
    RectControlFields rect;
    StringObject* caption;
    ObjectInstance* notificationReceiver;
    uint8_t isDefault;
    uint8_t isCancel;
    ButtonFontFields font;
    ReceiverNode* actionReceivers;
};
static_assert(offsetof(PushButtonFields, caption) == 92 && offsetof(PushButtonFields, font) == 104 &&
                  offsetof(PushButtonFields, actionReceivers) == 116,
              "PushButton");

// Its font specification is laid out as ButtonFontFields, but the value
// follows its last byte directly.
struct CheckBoxFields {
    RectControlFields rect;
    StringObject* caption;
    ObjectInstance* notificationReceiver;
    StringObject* textFont;
    int16_t textSize;
    uint8_t bold, italic, underline;
    uint8_t value;                   // State is the same field
    uint8_t inAction;
    ReceiverNode* dataReceivers;
    ReceiverNode* checkedReceivers;
    ReceiverNode* uncheckedReceivers;
};
static_assert(offsetof(CheckBoxFields, value) == 109 && sizeof(CheckBoxFields) == 124, "CheckBox");

struct StaticTextFields {
    RectControlFields rect;
    StringObject* textFont;
    uint8_t bold, italic, underline;
    int16_t textSize;
    StringObject* text;              // Caption is the same field
    int16_t textAlign;               // 0 left, 1 centred, 2 right
    uint32_t textColor;              // 0xRRGGBB
    uint8_t multiLine;
    StringObject* dataSource;
    StringObject* dataField;
    uint8_t mouseTracking;           // the result of the last MouseDown
};
static_assert(offsetof(StaticTextFields, textSize) == 100 && offsetof(StaticTextFields, text) == 0x68 &&
                  sizeof(StaticTextFields) == 132,
              "StaticText");

struct CanvasFields {
    RectControlFields rect;
    ObjectInstance* backdrop;        // a Picture, nil for none
    ObjectInstance* graphics;        // cached, nil until first asked for
};
static_assert(sizeof(CanvasFields) == 100, "Canvas");

struct ProgressBarFields {
    RectControlFields rect;
    int32_t value;
    int32_t maximum;
};
static_assert(sizeof(ProgressBarFields) == 100, "ProgressBar");

struct EditFieldFields {
    RectControlFields rect;
    ButtonFontFields font;
    ObjectInstance* notificationReceiver;
    uint8_t border, multiLine, scrollBar, readOnly;
    StringObject* text;              // the text while there is no pane
    int32_t limitText;
    uint32_t textColor;
    uint32_t backColor;
    uint8_t textChangeGuard;
    uint8_t selChangeGuard;
    uint8_t password;
    uint8_t styled;
    uint8_t acceptTabs;
    uint8_t liveUpdate;
    uint8_t useFocusRing;
    StringObject* dataSource;
    StringObject* dataField;
};
static_assert(offsetof(EditFieldFields, notificationReceiver) == 104 &&
                  offsetof(EditFieldFields, text) == 112 && sizeof(EditFieldFields) == 144,
              "EditField");

struct TimerFields {
    ObjectInstance header;
    ObjectInstance* nextTimer;       // the runtime's timer list
    int32_t mode;                    // 0 off, 1 single, 2 multiple
    int32_t period;                  // milliseconds
    uint32_t lastTime;               // tick count of the last start or firing
    uint8_t running;
};
static_assert(offsetof(TimerFields, mode) == 28 && sizeof(TimerFields) == 44, "Timer");

template <typename Fields>
Fields* FieldsOf(ObjectInstance* object) { return reinterpret_cast<Fields*>(object); }
