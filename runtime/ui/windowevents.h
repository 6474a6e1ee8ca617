// The events of class "Window" and how the runtime delivers them: the
// handler that the window object's class chain has, called with the window
// first; a window without one skips the event (a Boolean one reads False).
#pragma once
#include <cstdint>

struct ObjectInstance;
struct ClassRecord;

enum class WindowEvent {
    Open, Close, CancelClose, KeyDown, MouseMove, MouseEnter, MouseExit, Paint, MouseDown,
    MouseDrag, MouseUp, EnableMenuItems, Resized, Moved, DropObject, Activate, Deactivate,
};

// Registers "Window" with its events and properties; run once.
void RegisterWindowClass();
ClassRecord* WindowClass();

bool HasWindowHandler(ObjectInstance* window, WindowEvent event);
// Calls the handler with up to two arguments; returns its Boolean result.
bool SendWindowEvent(ObjectInstance* window, WindowEvent event, uint32_t a = 0, uint32_t b = 0);

// A compiled Boolean result: its low byte.
inline bool BooleanResult(uint32_t eax) { return (eax & 0xFF) != 0; }
