// Button panes, their events and their receiver lists.
#include "buttonpane.h"
#include "core/compiledcalls.h"
#include "core/string.h"
#include "core/utility.h"
#include "shortcuts.h"
#include "uistate.h"

ButtonPane::ButtonPane(ObjectInstance* control, ObjectInstance** receiverField)
    : NativePane(control, AsControl(control)->runtimeWindow, AsRectControl(control)->bounds),
      receiverField_(receiverField) {}

LRESULT ButtonPane::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:   // a second press soon after the first is a press too
        if (AsRectControl(control_)->enabled) {
            POINT at = PointOf(lParam);
            remembered_ = ReceiverMouseDown(receiver(), at.x, at.y);
        }
        break;
    case WM_LBUTTONUP:
        if (remembered_) {
            POINT at = PointOf(lParam);
            RECT inside;
            GetClientRect(hwnd_, &inside);
            bool answer = ReceiverMouseUp(receiver(), at.x, at.y);
            remembered_ = PtInRect(&inside, at) && answer;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        if (message == WM_SETFOCUS) gUI.focusPane = this;
        LRESULT result = CallNative(message, wParam, lParam);
        FocusChanged(message == WM_SETFOCUS);
        return result;
    }
    }
    return CallNative(message, wParam, lParam);
}

LRESULT ButtonPane::Notify(UINT message, WPARAM wParam, LPARAM) {
    // With BS_NOTIFY a quick second click reports BN_DOUBLECLICKED instead.
    const WORD code = HIWORD(wParam);
    if (message == WM_COMMAND && (code == BN_CLICKED || code == BN_DOUBLECLICKED)) {
        bool suppressed = remembered_;
        remembered_ = false;
        Clicked(suppressed);
    }
    return 0;
}

void ButtonPane::FocusChanged(bool gained) {
    if (closing) return;
    if (gained) ReceiverGotFocus(receiver());
    else ReceiverLostFocus(receiver());
}

void ButtonPane::Close() {
    RemoveShortcutsOf(nullptr, this);
    NativePane::Close();
    ObjectInstance* receiver = *receiverField_;
    *receiverField_ = nullptr;
    UnlockObject(receiver);
}

ButtonEvents DeclareButtonEvents(ClassRecord* cls) {
    ButtonEvents events;
    events.action = DeclareEvent(cls, "Action");
    events.mouseDown = DeclareEvent(cls, "MouseDown");
    events.mouseUp = DeclareEvent(cls, "MouseUp");
    events.gotFocus = DeclareEvent(cls, "GotFocus");
    events.lostFocus = DeclareEvent(cls, "LostFocus");
    return events;
}

void AddReceiver(ReceiverNode** list, ObjectInstance* receiver) {
    if (!receiver) return;
    ReceiverNode* node = static_cast<ReceiverNode*>(NewRuntimeRecord(sizeof(ReceiverNode)));
    LockObject(receiver);
    *node = ReceiverNode{*list, receiver};
    *list = node;
}

void RemoveReceiver(ReceiverNode** list, ObjectInstance* receiver) {
    for (ReceiverNode** link = list; *link; link = &(*link)->next)
        if ((*link)->receiver == receiver) {
            ReceiverNode* node = *link;
            *link = node->next;
            UnlockObject(node->receiver);
            DeleteRuntimeRecord(node);
            return;
        }
}

void FreeReceivers(ReceiverNode** list) {
    while (*list) RemoveReceiver(list, (*list)->receiver);
}

// The receivers are held while they run: a receiver may remove itself.
void NotifyReceivers(ReceiverNode* list, const char* method, uint32_t argument) {
    StringRef name(NewStringFromText(method));
    for (ReceiverNode* node = list; node;) {
        ReceiverNode* next = node->next;
        ObjectInstance* receiver = node->receiver;
        LockObject(receiver);
        if (uint32_t code = FindMethodCode(receiver->cls, name.get()))
            CallCompiled(code, receiver, argument);
        UnlockObject(receiver);
        node = next;
    }
}
