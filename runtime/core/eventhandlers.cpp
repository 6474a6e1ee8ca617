// Event handler lookup. An event belongs to the class that declares it; a
// subclass that declares another event of the same name hides it. Walking
// from the object's class towards the root, each class's handler for the
// event's name replaces the one found below it, until the declaring class is
// reached: so the handler nearest to the declaring class wins, and a
// subclass's handler for an event that its superclass already handles is
// never called.
#include "objects.h"
#include "casetable.h"
#include "string.h"

namespace {

bool SameName(const StringObject* a, const StringObject* b) {
    return CaseTableEqual(StringText(a), StringLength(a), StringText(b), StringLength(b));
}

const EventHandler* HandlerNamed(const ClassRecord* cls, const StringObject* name) {
    for (const EventHandler* handler = cls->eventHandlers; handler; handler = handler->next)
        if (SameName(handler->eventName, name)) return handler;
    return nullptr;
}

} // namespace

uint32_t FindEventHandler(const ObjectInstance* object, const EventDeclaration* event) {
    if (!object || !event) return 0;
    uint32_t found = 0;
    for (const ClassRecord* cls = object->cls; cls; cls = cls->superclass) {
        for (const EventDeclaration* declared = cls->events; declared; declared = declared->next) {
            if (declared == event) return found;
            if (SameName(declared->name, event->name)) found = 0;
        }
        if (const EventHandler* handler = HandlerNamed(cls, event->name)) found = handler->code;
    }
    return 0;   // the object's class does not have this event at all
}

extern "C" uint32_t RuntimeFindHookCode(ObjectInstance* object, uint32_t hookKey) {
    if (!object) return 0;
    for (const ClassRecord* cls = object->cls; cls; cls = cls->superclass)
        for (const EventHandler* handler = cls->eventHandlers; handler; handler = handler->next)
            if (handler->hookKey == hookKey) return handler->code;
    return 0;
}
