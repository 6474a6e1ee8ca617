// Check boxes. A value change, from a click or from the Value setter once the
// pane exists, sets the native mark, reads the value back from it and then
// fires Action and the receivers, unless an Action of the same box is still
// running or its window is closing. Values from a window description only
// store: the pane does not exist yet.
#include "checkbox.h"
#include "buttonpane.h"
#include "classbuilding.h"
#include "controlbase.h"
#include "controlevents.h"
#include "controlshortcuts.h"

namespace {

constexpr DWORD kCheckBoxStyle = 0x4002;    // BS_CHECKBOX | BS_NOTIFY

ClassRecord* checkBoxClass;
ClassRecord* boundPartClass;
ButtonEvents events;

CheckBoxFields* Fields(ObjectInstance* box) { return FieldsOf<CheckBoxFields>(box); }

struct BoundPartFields {
    ObjectInstance header;
    ObjectInstance* box;     // one reference
    uint8_t checked;         // the state it stands for
};

void DestroyBoundPart(ObjectInstance* part, ClassRecord*) {
    UnlockObject(reinterpret_cast<BoundPartFields*>(part)->box);
}

// The box is still in a window that is not closing.
bool StillShown(ObjectInstance* box) {
    RuntimeWindow* window = AsControl(box)->runtimeWindow;
    return AsControl(box)->pane && window && !window->closing;
}

void ValueChanged(ObjectInstance* box, bool value) {
    CheckBoxFields* fields = Fields(box);
    HWND hwnd = fields->rect.control.pane->hwnd();
    SendMessageA(hwnd, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
    fields->value = SendMessageA(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (fields->inAction || !StillShown(box)) return;
    EventGuard hold(box);
    fields->inAction = 1;
    NotifyReceivers(fields->dataReceivers, "DataChanged");
    if (StillShown(box)) FireEvent(box, events.action);
    if (StillShown(box))
        NotifyReceivers(fields->value ? fields->checkedReceivers : fields->uncheckedReceivers, "PerformAction");
    fields->inAction = 0;
}

class CheckBoxPane : public ButtonPane {
public:
    explicit CheckBoxPane(ObjectInstance* box) : ButtonPane(box, &Fields(box)->notificationReceiver) {}
protected:
    void Clicked(bool suppressed) override {
        if (!suppressed) ReceiverAction(receiver());
    }
    void ActivateShortcut() override { ClickCheckBox(control_); }
};

void RegisterCaptionMnemonic(ObjectInstance* box) {
    if (Pane* pane = AsControl(box)->pane) RegisterMnemonic(pane, Fields(box)->caption, ShortcutKind::Button);
}

// --- the notification receiver's operations ---
void Toggle(ObjectInstance* box) {
    HWND hwnd = AsControl(box)->pane->hwnd();
    ValueChanged(box, SendMessageA(hwnd, BM_GETCHECK, 0, 0) != BST_CHECKED);
}
const ReceiverOperations kOperations = ButtonEventDelivery<&events>::With(&Toggle);

void CreateCheckBoxPane(ObjectInstance* box) {
    CheckBoxFields* fields = Fields(box);
    RuntimeWindow* window = fields->rect.control.runtimeWindow;
    if (!window || fields->rect.control.pane) return;
    fields->notificationReceiver = NewNotificationReceiver(box, &kOperations);
    CheckBoxPane* pane = new CheckBoxPane(box);
    if (!pane->Create("BUTTON", fields->caption, kCheckBoxStyle)) {
        delete pane;
        return;
    }
    pane->SetFont(AcquireFont(FontSpecOf(fields->font)));
    AddPane(window, pane);
    fields->rect.control.pane = pane;
    if (fields->value) SendMessageA(pane->hwnd(), BM_SETCHECK, BST_CHECKED, 0);
    if (!fields->rect.visible) pane->ChangeState(Pane::kHide);
    RegisterCaptionMnemonic(box);
}

void DestroyCheckBox(ObjectInstance* box, ClassRecord*) {
    CheckBoxFields* fields = Fields(box);
    FreeReceivers(&fields->dataReceivers);
    FreeReceivers(&fields->checkedReceivers);
    FreeReceivers(&fields->uncheckedReceivers);
    RuntimeUnlockString(fields->caption);
    RuntimeUnlockString(fields->font.textFont);
}

void RefreshFont(ObjectInstance* box) {
    if (Pane* pane = AsControl(box)->pane) pane->SetFont(AcquireFont(FontSpecOf(Fields(box)->font)));
}

} // namespace

void ClickCheckBox(ObjectInstance* box) {
    if (AsControl(box)->pane && AsRectControl(box)->enabled) Toggle(box);
}

extern "C" {

bool checkBoxValueGetter(ObjectInstance* box, uint32_t) { return Fields(box)->value; }
void checkBoxValueSetter(ObjectInstance* box, uint32_t, bool value) {
    Fields(box)->value = value;
    if (AsControl(box)->pane) ValueChanged(box, value);
}
bool checkBoxGetBoolean(ObjectInstance* box) { return Fields(box)->value; }
void checkBoxSetBoolean(ObjectInstance* box, bool value) { checkBoxValueSetter(box, 0, value); }

StringObject* checkBoxTitleGetter(ObjectInstance* box, uint32_t) { return LockedString(Fields(box)->caption); }
void checkBoxTitleSetter(ObjectInstance* box, uint32_t, StringObject* caption) {
    StoreString(&Fields(box)->caption, caption);
    if (Pane* pane = AsControl(box)->pane) {
        pane->SetText(caption);
        RegisterCaptionMnemonic(box);
    }
}

StringObject* checkBoxTextFontGetter(ObjectInstance* b, uint32_t) { return LockedString(Fields(b)->font.textFont); }
void checkBoxTextFontSetter(ObjectInstance* b, uint32_t, StringObject* face) {
    StoreString(&Fields(b)->font.textFont, face);
    RefreshFont(b);
}
int32_t checkBoxTextSizeGetter(ObjectInstance* b, uint32_t) { return Fields(b)->font.textSize; }
void checkBoxTextSizeSetter(ObjectInstance* b, uint32_t, int32_t size) {
    Fields(b)->font.textSize = int16_t(size);
    RefreshFont(b);
}
bool checkBoxBoldGetter(ObjectInstance* b, uint32_t) { return Fields(b)->font.bold; }
void checkBoxBoldSetter(ObjectInstance* b, uint32_t, bool v) { Fields(b)->font.bold = v; RefreshFont(b); }
bool checkBoxItalicGetter(ObjectInstance* b, uint32_t) { return Fields(b)->font.italic; }
void checkBoxItalicSetter(ObjectInstance* b, uint32_t, bool v) { Fields(b)->font.italic = v; RefreshFont(b); }
bool checkBoxUnderlineGetter(ObjectInstance* b, uint32_t) { return Fields(b)->font.underline; }
void checkBoxUnderlineSetter(ObjectInstance* b, uint32_t, bool v) { Fields(b)->font.underline = v; RefreshFont(b); }

void checkBoxAddDataNotificationReceiver(ObjectInstance* b, ObjectInstance* receiver) {
    AddReceiver(&Fields(b)->dataReceivers, receiver);
}
void checkBoxRemoveDataNotificationReceiver(ObjectInstance* b, ObjectInstance* receiver) {
    RemoveReceiver(&Fields(b)->dataReceivers, receiver);
}

// "getCheckedAction" and "getUncheckedAction" name the two states.
ObjectInstance* checkBoxGetBoundPart(ObjectInstance* box, StringObject* name) {
    bool checked = lstrcmpiA(StringText(name), "getCheckedAction") == 0;
    if (!checked && lstrcmpiA(StringText(name), "getUncheckedAction") != 0) return nullptr;
    if (!boundPartClass)
        boundPartClass = NewClassRecord(nullptr, nullptr, sizeof(BoundPartFields));
    boundPartClass->destructor = &DestroyBoundPart;
    ObjectInstance* part = NewInstance(boundPartClass);
    BoundPartFields* fields = reinterpret_cast<BoundPartFields*>(part);
    LockObject(box);
    fields->box = box;
    fields->checked = checked;
    return part;
}

} // extern "C"

void RegisterCheckBoxClass() {
    if (checkBoxClass) return;
    checkBoxClass = RegisterBuiltinClass("CheckBox", RectControlClass(), sizeof(CheckBoxFields), nullptr,
                                         &DestroyCheckBox);
    events = DeclareButtonEvents(checkBoxClass);
    AddBuiltinHandler(checkBoxClass, "CreatePane", &CreateCheckBoxPane);
    AddClassProperties(checkBoxClass, {
        {"Caption", PropertyType::String, &checkBoxTitleGetter, &checkBoxTitleSetter},
        {"Value", PropertyType::Boolean, &checkBoxValueGetter, &checkBoxValueSetter},
        {"State", PropertyType::Boolean, &checkBoxValueGetter, &checkBoxValueSetter},
        {"TextFont", PropertyType::String, &checkBoxTextFontGetter, &checkBoxTextFontSetter},
        {"TextSize", PropertyType::Integer, &checkBoxTextSizeGetter, &checkBoxTextSizeSetter},
        {"Bold", PropertyType::Boolean, &checkBoxBoldGetter, &checkBoxBoldSetter},
        {"Italic", PropertyType::Boolean, &checkBoxItalicGetter, &checkBoxItalicSetter},
        {"Underline", PropertyType::Boolean, &checkBoxUnderlineGetter, &checkBoxUnderlineSetter},
    });
    AddClassMethods(checkBoxClass, {
        {"getBoolean", &checkBoxGetBoolean},
        {"setBoolean", &checkBoxSetBoolean},
        {"addDataNotificationReceiver", &checkBoxAddDataNotificationReceiver},
        {"removeDataNotificationReceiver", &checkBoxRemoveDataNotificationReceiver},
        {"getBoundPart", &checkBoxGetBoundPart},
    });
}

ClassRecord* CheckBoxClass() { return checkBoxClass; }
