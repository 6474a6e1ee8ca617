// Push buttons. The pane keeps the Default and Cancel flags; which button is
// drawn as the default (BS_DEFPUSHBUTTON) is decided for the whole window.
#include "pushbutton.h"
#include "buttonpane.h"
#include "controlbase.h"
#include "controlevents.h"
#include "controlshortcuts.h"
#include "uistate.h"
#include "classbuilding.h"
#include "core/string.h"

namespace {

ClassRecord* pushButtonClass;
ButtonEvents events;

PushButtonFields* Fields(ObjectInstance* button) { return FieldsOf<PushButtonFields>(button); }

class PushButtonPane : public ButtonPane {
public:
    explicit PushButtonPane(ObjectInstance* button)
        : ButtonPane(button, &Fields(button)->notificationReceiver) {}
    void FocusChanged(bool gained) override {
        ButtonPane::FocusChanged(gained);
        if (!closing) UpdateDefaultMarking(window_);
    }
    // Return presses the button drawn as default, Escape a cancel button.
    bool IsDefaultButton() override;
    bool IsCancelButton() override { return isCancel; }
    void ActivateShortcut() override { pushButtonPush(control_); }
protected:
    void Clicked(bool suppressed) override {
        if (!suppressed) FirePushButtonAction(control_);
    }
};

PushButtonPane* PaneOf(ObjectInstance* button) {
    return static_cast<PushButtonPane*>(AsControl(button)->pane);
}

bool IsPushButtonPane(const Pane* pane) {
    return pane && pane->control() && ClassIsa(pane->control()->cls, pushButtonClass);
}

bool Usable(const Pane* pane) {
    const RectControlFields* rect = AsRectControl(pane->control());
    return rect->enabled && rect->visible && !pane->closing;
}

PushButtonPane* DrawnDefault(RuntimeWindow* window) {
    HWND focus = GetFocus();
    for (Pane* pane = window->firstPane; pane; pane = pane->nextInWindow)
        if (IsPushButtonPane(pane) && pane->hwnd() == focus) return static_cast<PushButtonPane*>(pane);
    for (Pane* pane = window->firstPane; pane; pane = pane->nextInWindow)
        if (IsPushButtonPane(pane) && static_cast<PushButtonPane*>(pane)->isDefault && Usable(pane))
            return static_cast<PushButtonPane*>(pane);
    return nullptr;
}

bool PushButtonPane::IsDefaultButton() { return DrawnDefault(window_) == this; }

void RefreshFont(ObjectInstance* button) {
    if (PushButtonPane* pane = PaneOf(button)) pane->SetFont(AcquireFont(FontSpecOf(Fields(button)->font)));
}

void RegisterCaptionMnemonic(ObjectInstance* button) {
    if (Pane* pane = AsControl(button)->pane) RegisterMnemonic(pane, Fields(button)->caption, ShortcutKind::Button);
}

// --- the notification receiver's operations ---
void Action(ObjectInstance* button) { FirePushButtonAction(button); }
const ReceiverOperations kOperations = ButtonEventDelivery<&events>::With(&Action);

void CreatePushButtonPane(ObjectInstance* button) {
    PushButtonFields* fields = Fields(button);
    RuntimeWindow* window = fields->rect.control.runtimeWindow;
    if (!window || fields->rect.control.pane) return;
    fields->notificationReceiver = NewNotificationReceiver(button, &kOperations);
    PushButtonPane* pane = new PushButtonPane(button);
    if (!pane->Create("BUTTON", fields->caption, BS_PUSHBUTTON)) {
        delete pane;
        return;
    }
    pane->SetFont(AcquireFont(FontSpecOf(fields->font)));
    AddPane(window, pane);
    fields->rect.control.pane = pane;
    pane->isDefault = fields->isDefault;
    pane->isCancel = fields->isCancel;
    if (!fields->rect.visible) pane->ChangeState(Pane::kHide);
    RegisterCaptionMnemonic(button);
    UpdateDefaultMarking(window);
}

void DestroyPushButton(ObjectInstance* button, ClassRecord*) {
    FreeReceivers(&Fields(button)->actionReceivers);
    RuntimeUnlockString(Fields(button)->caption);
    RuntimeUnlockString(Fields(button)->font.textFont);
}

} // namespace

void UpdateDefaultMarking(RuntimeWindow* window) {
    if (!window) return;
    PushButtonPane* chosen = DrawnDefault(window);
    for (Pane* pane = window->firstPane; pane; pane = pane->nextInWindow)
        if (IsPushButtonPane(pane) && pane->hwnd())
            SendMessageA(pane->hwnd(), BM_SETSTYLE, pane == chosen ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON,
                         TRUE);
}

void FirePushButtonAction(ObjectInstance* button) {
    EventGuard hold(button);
    NotifyReceivers(Fields(button)->actionReceivers, "PerformAction");
    FireEvent(button, events.action);
}

extern "C" {

void pushButtonPush(ObjectInstance* button) {
    if (button && AsControl(button)->pane && AsRectControl(button)->enabled)
        FirePushButtonAction(button);
}

StringObject* pushButtonTitleGetter(ObjectInstance* button, uint32_t) {
    return LockedString(Fields(button)->caption);
}

void pushButtonTitleSetter(ObjectInstance* button, uint32_t, StringObject* caption) {
    stringSetter(button, offsetof(PushButtonFields, caption), caption);
    if (Pane* pane = AsControl(button)->pane) {
        pane->SetText(caption);
        RegisterCaptionMnemonic(button);
    }
}

bool pushButtonDefaultGetter(ObjectInstance* button, uint32_t) { return Fields(button)->isDefault; }
void pushButtonDefaultSetter(ObjectInstance* button, uint32_t, bool value) {
    Fields(button)->isDefault = value;
    if (PushButtonPane* pane = PaneOf(button)) {
        pane->isDefault = value;
        UpdateDefaultMarking(pane->window());
    }
}

bool pushButtonCancelGetter(ObjectInstance* button, uint32_t) { return Fields(button)->isCancel; }
void pushButtonCancelSetter(ObjectInstance* button, uint32_t, bool value) {
    Fields(button)->isCancel = value;
    if (PushButtonPane* pane = PaneOf(button)) pane->isCancel = value;
}

StringObject* pushButtonTextFontGetter(ObjectInstance* b, uint32_t) { return LockedString(Fields(b)->font.textFont); }
void pushButtonTextFontSetter(ObjectInstance* b, uint32_t, StringObject* face) {
    StringObject* old = Fields(b)->font.textFont;
    RuntimeLockString(face);
    Fields(b)->font.textFont = face;
    RuntimeUnlockString(old);
    RefreshFont(b);
}
int32_t pushButtonTextSizeGetter(ObjectInstance* b, uint32_t) { return Fields(b)->font.textSize; }
void pushButtonTextSizeSetter(ObjectInstance* b, uint32_t, int32_t size) {
    Fields(b)->font.textSize = int16_t(size);
    RefreshFont(b);
}
bool pushButtonBoldGetter(ObjectInstance* b, uint32_t) { return Fields(b)->font.bold; }
void pushButtonBoldSetter(ObjectInstance* b, uint32_t, bool v) { Fields(b)->font.bold = v; RefreshFont(b); }
bool pushButtonItalicGetter(ObjectInstance* b, uint32_t) { return Fields(b)->font.italic; }
void pushButtonItalicSetter(ObjectInstance* b, uint32_t, bool v) { Fields(b)->font.italic = v; RefreshFont(b); }
bool pushButtonUnderlineGetter(ObjectInstance* b, uint32_t) { return Fields(b)->font.underline; }
void pushButtonUnderlineSetter(ObjectInstance* b, uint32_t, bool v) {
    Fields(b)->font.underline = v;
    RefreshFont(b);
}

void pbAddActionNotificationReceiver(ObjectInstance* b, ObjectInstance* receiver) {
    AddReceiver(&Fields(b)->actionReceivers, receiver);
}
void pbRemoveActionNotificationReceiver(ObjectInstance* b, ObjectInstance* receiver) {
    RemoveReceiver(&Fields(b)->actionReceivers, receiver);
}

} // extern "C"

void RegisterPushButtonClass() {
    if (pushButtonClass) return;
    pushButtonClass = RegisterBuiltinClass("PushButton", RectControlClass(), sizeof(PushButtonFields),
                                           nullptr, &DestroyPushButton);
    events = DeclareButtonEvents(pushButtonClass);
    AddBuiltinHandler(pushButtonClass, "CreatePane", &CreatePushButtonPane);
    AddClassProperties(pushButtonClass, {
        {"Caption", PropertyType::String, &pushButtonTitleGetter, &pushButtonTitleSetter},
        {"Default", PropertyType::Boolean, &pushButtonDefaultGetter, &pushButtonDefaultSetter},
        {"Cancel", PropertyType::Boolean, &pushButtonCancelGetter, &pushButtonCancelSetter},
        {"TextFont", PropertyType::String, &pushButtonTextFontGetter, &pushButtonTextFontSetter},
        {"TextSize", PropertyType::Integer, &pushButtonTextSizeGetter, &pushButtonTextSizeSetter},
        {"Bold", PropertyType::Boolean, &pushButtonBoldGetter, &pushButtonBoldSetter},
        {"Italic", PropertyType::Boolean, &pushButtonItalicGetter, &pushButtonItalicSetter},
        {"Underline", PropertyType::Boolean, &pushButtonUnderlineGetter, &pushButtonUnderlineSetter},
    });
    AddClassMethods(pushButtonClass, {
        {"addActionNotificationReceiver", &pbAddActionNotificationReceiver},
        {"removeActionNotificationReceiver", &pbRemoveActionNotificationReceiver},
        {"Push", &pushButtonPush},
    });
}

ClassRecord* PushButtonClass() { return pushButtonClass; }
