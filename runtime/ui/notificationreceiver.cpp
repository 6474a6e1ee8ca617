// Notification receivers: instances of the internal class
// "OBNotificationReceiver".
#include "notificationreceiver.h"
#include "core/objects.h"

namespace {

struct ReceiverFields {
    ObjectInstance header;
    ObjectInstance* control;
    const ReceiverOperations* operations;
};

ClassRecord* receiverClass;

ReceiverFields* Fields(ObjectInstance* receiver) { return reinterpret_cast<ReceiverFields*>(receiver); }

} // namespace

ObjectInstance* NewNotificationReceiver(ObjectInstance* control, const ReceiverOperations* operations) {
    if (!receiverClass)
        receiverClass = NewClassRecord(nullptr, nullptr, sizeof(ReceiverFields));
    ObjectInstance* receiver = NewInstance(receiverClass);
    Fields(receiver)->control = control;
    Fields(receiver)->operations = operations;
    return receiver;
}

void ReceiverAction(ObjectInstance* receiver) {
    if (receiver) Fields(receiver)->operations->action(Fields(receiver)->control);
}
bool ReceiverMouseDown(ObjectInstance* receiver, int x, int y) {
    return receiver && Fields(receiver)->operations->mouseDown(Fields(receiver)->control, x, y);
}
bool ReceiverMouseUp(ObjectInstance* receiver, int x, int y) {
    return receiver && Fields(receiver)->operations->mouseUp(Fields(receiver)->control, x, y);
}
void ReceiverGotFocus(ObjectInstance* receiver) {
    if (receiver) Fields(receiver)->operations->gotFocus(Fields(receiver)->control);
}
void ReceiverLostFocus(ObjectInstance* receiver) {
    if (receiver) Fields(receiver)->operations->lostFocus(Fields(receiver)->control);
}
