// The shutdown list. A handler is taken off the list before it runs, so the
// list empties even if a handler forgets to remove itself or registers
// another one.
#include "shutdownhandlers.h"

namespace {
ShutdownHandler* firstHandler;
}

void RegisterShutdownHandler(ShutdownHandler* handler) {
    handler->next = firstHandler;
    firstHandler = handler;
}

void RemoveShutdownHandler(ShutdownHandler* handler) {
    for (ShutdownHandler** link = &firstHandler; *link; link = &(*link)->next)
        if (*link == handler) {
            *link = handler->next;
            return;
        }
}

void RunShutdownHandlers() {
    while (ShutdownHandler* handler = firstHandler) {
        firstHandler = handler->next;
        handler->run(handler);
    }
}
