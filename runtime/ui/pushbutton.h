// The PushButton class, and the default and cancel buttons of a window that
// the keyboard pre-processing presses for Return and Escape.
#pragma once

struct ClassRecord;
struct ObjectInstance;
struct RuntimeWindow;
class Pane;

void RegisterPushButtonClass();
ClassRecord* PushButtonClass();

// Marks the window's default button: the push button with the keyboard
// focus, else the first one marked default, enabled and visible. Run when a
// default flag changes and when a push button gains or loses the focus.
void UpdateDefaultMarking(RuntimeWindow* window);

// Fires the button's Action as a click does: the action receivers first,
// then the Action event.
void FirePushButtonAction(ObjectInstance* button);

extern "C" void pushButtonPush(ObjectInstance* button);
