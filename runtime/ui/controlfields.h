// The instance layouts of the runtime's control classes, after the control
// base (controlbase.h). Compiled code and plug-ins rely on these offsets: a
// class's fields follow its superclass's, each at its natural alignment;
// byte fields are packed. The static asserts pin them relative to the end of
// RectControl (kRectControlSize).
#pragma once
#include "controlbase.h"
#include "core/objects.h"
#include "fonts.h"
#include "core/string.h"
#include <cstddef>
#include <cstdint>

struct StringObject;

// The font description in the order of push buttons, check boxes and edit
// fields; the static text keeps its own order (StaticTextFields). Packed: a
// check box's value follows its last byte directly.
struct __attribute__((packed)) ButtonFontFields {
    StringObject* textFont;
    int16_t textSize;
    uint8_t bold, italic, underline;
};

static_assert(sizeof(ButtonFontFields) == 9, "a packed font description");

// The font record of such a description.
inline FontSpec FontSpecOf(const ButtonFontFields& font) {
    return FontSpec{font.textFont, font.bold, font.italic, font.underline, font.textSize};
}

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
    alignas(4) ButtonFontFields font;
    ReceiverNode* actionReceivers;
};
static_assert(offsetof(PushButtonFields, font) == kRectControlSize + 12 &&
                  offsetof(PushButtonFields, actionReceivers) == kRectControlSize + 24,
              "PushButton");

struct CheckBoxFields {
    RectControlFields rect;
    StringObject* caption;
    ObjectInstance* notificationReceiver;
    alignas(4) ButtonFontFields font;
    uint8_t value;                   // State is the same field
    uint8_t inAction;
    ReceiverNode* dataReceivers;
    ReceiverNode* checkedReceivers;
    ReceiverNode* uncheckedReceivers;
};
static_assert(offsetof(CheckBoxFields, value) == kRectControlSize + 17 &&
                  sizeof(CheckBoxFields) == kRectControlSize + 32,
              "CheckBox");

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
static_assert(offsetof(StaticTextFields, textSize) == kRectControlSize + 8 &&
                  offsetof(StaticTextFields, text) == kRectControlSize + 12 &&
                  sizeof(StaticTextFields) == kRectControlSize + 40,
              "StaticText");
static_assert(offsetof(StaticTextFields, text) == 0x68, "the compiler's parameter of staticCaptionSetter");

struct CanvasFields {
    RectControlFields rect;
    ObjectInstance* backdrop;        // a Picture, nil for none
    ObjectInstance* graphics;        // cached, nil until first asked for
};
static_assert(sizeof(CanvasFields) == kRectControlSize + 8, "Canvas");

struct ProgressBarFields {
    RectControlFields rect;
    int32_t value;
    int32_t maximum;
};
static_assert(sizeof(ProgressBarFields) == kRectControlSize + 8, "ProgressBar");

struct EditFieldFields {
    RectControlFields rect;
    alignas(4) ButtonFontFields font;
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
static_assert(offsetof(EditFieldFields, notificationReceiver) == kRectControlSize + 12 &&
                  offsetof(EditFieldFields, text) == kRectControlSize + 20 &&
                  sizeof(EditFieldFields) == kRectControlSize + 52,
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

// Stores a string in a field that holds one reference to it.
inline void StoreString(StringObject** field, StringObject* value) {
    StringObject* old = *field;
    RuntimeLockString(value);
    *field = value;
    RuntimeUnlockString(old);
}

template <typename Fields>
Fields* FieldsOf(ObjectInstance* object) { return reinterpret_cast<Fields*>(object); }
