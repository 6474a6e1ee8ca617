// Subclasses of the runtime's built-in classes made in the test process, as
// an image's class descriptors would make them: a class record whose event
// handlers are routines of the test.
#pragma once
#include "core/objects.h"
#include "core/string.h"
#include "core/utility.h"
#include <initializer_list>

struct TestHandler {
    const char* event;
    const void* routine;     // cdecl, the receiver first
};

inline ClassRecord* TestSubclass(ClassRecord* base, std::initializer_list<TestHandler> handlers,
                                 uint32_t instanceSize = 0) {
    ClassRecord* cls = NewClassRecord(nullptr, base, instanceSize);
    for (const TestHandler& handler : handlers) {
        EventHandler* record = static_cast<EventHandler*>(NewRuntimeRecord(sizeof(EventHandler)));
        *record = EventHandler{cls->eventHandlers, NewStringFromText(handler.event),
                               reinterpret_cast<uint32_t>(handler.routine), 0};
        cls->eventHandlers = record;
    }
    return cls;
}
