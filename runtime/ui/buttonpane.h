// The native pane of push buttons and check boxes: a "BUTTON" child window
// whose presses follow the press rules. MouseDown runs when the button goes
// down on the enabled control and its result is remembered; at the release
// MouseUp runs if MouseDown said True, and its result is remembered while the
// release lies inside the button. The click that Windows reports then counts
// as suppressed when the remembered result is True, so a MouseDown and a
// MouseUp that both return True keep Action from running.
#pragma once
#include "nativepane.h"
#include "controlfields.h"
#include "fonts.h"
#include "notificationreceiver.h"
#include "controlevents.h"

class ButtonPane : public NativePane {
public:
    // receiverField: the control's field that holds its notification receiver.
    ButtonPane(ObjectInstance* control, ObjectInstance** receiverField);

    bool isDefault = false;
    bool isCancel = false;

    LRESULT Notify(UINT message, WPARAM wParam, LPARAM lParam) override;
    void FocusChanged(bool gained) override;
    // Frees the notification receiver along with the native window.
    void Close() override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // A click that Windows reported, with what the press rules made of it.
    virtual void Clicked(bool suppressed) = 0;
    ObjectInstance* receiver() const { return *receiverField_; }

private:
    ObjectInstance** receiverField_;
    bool remembered_ = false;
};

// The five events that push buttons and check boxes declare.
struct ButtonEvents {
    const EventDeclaration* action;
    const EventDeclaration* mouseDown;
    const EventDeclaration* mouseUp;
    const EventDeclaration* gotFocus;
    const EventDeclaration* lostFocus;
};
ButtonEvents DeclareButtonEvents(ClassRecord* cls);

// The receiver operations of a button class whose events are *events: the
// class's own action, then MouseDown, MouseUp, GotFocus and LostFocus
// delivered with the button held.
template <const ButtonEvents* events>
struct ButtonEventDelivery {
    static bool MouseDown(ObjectInstance* b, int x, int y) { EventGuard hold(b); return AskEvent(b, events->mouseDown, x, y); }
    static bool MouseUp(ObjectInstance* b, int x, int y) { EventGuard hold(b); return AskEvent(b, events->mouseUp, x, y); }
    static void GotFocus(ObjectInstance* b) { EventGuard hold(b); FireEvent(b, events->gotFocus); }
    static void LostFocus(ObjectInstance* b) { EventGuard hold(b); FireEvent(b, events->lostFocus); }
    static ReceiverOperations With(void (*action)(ObjectInstance*)) {
        return ReceiverOperations{action, &MouseDown, &MouseUp, &GotFocus, &LostFocus};
    }
};

// Receiver lists: each node holds one reference to its receiver.
void AddReceiver(ReceiverNode** list, ObjectInstance* receiver);
void RemoveReceiver(ReceiverNode** list, ObjectInstance* receiver);
void FreeReceivers(ReceiverNode** list);
// Sends every receiver of the list the method of that name, if it has one.
void NotifyReceivers(ReceiverNode* list, const char* method, uint32_t argument = 0);
