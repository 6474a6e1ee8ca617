// Delivering a control's events to the handlers of the application's
// subclass. An event without a handler does nothing; one declared As Boolean
// then counts as False.
#pragma once
#include "core/compiledcalls.h"
#include "core/objects.h"

// Runs the handler, if any, with the receiver first; returns whether there
// was one.
template <typename... Arguments>
bool FireEvent(ObjectInstance* receiver, const EventDeclaration* event, Arguments... arguments) {
    uint32_t code = FindEventHandler(receiver, event);
    if (!code) return false;
    CallCompiled(code, receiver, arguments...);
    return true;
}

// The handler's Boolean answer (the accumulator's low byte); False without one.
template <typename... Arguments>
bool AskEvent(ObjectInstance* receiver, const EventDeclaration* event, Arguments... arguments) {
    uint32_t code = FindEventHandler(receiver, event);
    return code && (CallCompiled(code, receiver, arguments...) & 0xFF) != 0;
}

// Holds a reference to the receiver while its event runs: a handler may drop
// the last reference that others hold (closing the window, say).
class EventGuard {
public:
    explicit EventGuard(ObjectInstance* object) : object_(object) { LockObject(object_); }
    EventGuard(const EventGuard&) = delete;
    EventGuard& operator=(const EventGuard&) = delete;
    ~EventGuard() { UnlockObject(object_); }
private:
    ObjectInstance* object_;
};
