// The notification receiver of a native pane: a small runtime object that
// points back at its control and turns the pane's notifications into the
// control's events. Every control class with a native pane gives it the five
// operations, in this fixed order.
#pragma once
#include <cstdint>

struct ObjectInstance;

struct ReceiverOperations {
    void (*action)(ObjectInstance* control);
    bool (*mouseDown)(ObjectInstance* control, int x, int y);
    bool (*mouseUp)(ObjectInstance* control, int x, int y);
    void (*gotFocus)(ObjectInstance* control);
    void (*lostFocus)(ObjectInstance* control);
};

// A new receiver for the control (not locked by it: the control owns the
// receiver through its field); the operations are static tables.
ObjectInstance* NewNotificationReceiver(ObjectInstance* control, const ReceiverOperations* operations);

// What a receiver passes on; each does nothing for a nil receiver, and the
// mouse operations then answer False.
void ReceiverAction(ObjectInstance* receiver);
bool ReceiverMouseDown(ObjectInstance* receiver, int x, int y);
bool ReceiverMouseUp(ObjectInstance* receiver, int x, int y);
void ReceiverGotFocus(ObjectInstance* receiver);
void ReceiverLostFocus(ObjectInstance* receiver);
