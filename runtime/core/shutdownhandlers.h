// The shutdown list: runtime services that must clean up when the program
// ends (the event loop's end, or an unhandled exception) register a handler
// when they start.
#pragma once

struct ShutdownHandler {
    ShutdownHandler* next;
    void (*run)(ShutdownHandler* handler);
};

// Puts the handler at the front of the list; the record must stay valid
// until it has run or been removed.
void RegisterShutdownHandler(ShutdownHandler* handler);
void RemoveShutdownHandler(ShutdownHandler* handler);

// Runs the handlers, first of the list first, until the list is empty.
void RunShutdownHandlers();
