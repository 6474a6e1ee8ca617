// The runtime's user-interface state: one instance for the run, on the one
// thread that runs the loop and the compiled code.
#pragma once
#include "window.h"

class Pane;

struct ModalEntry {
    ModalEntry* next;              // older
    HWND hwnd;
};

struct UserInterfaceState {
    bool quit;                     // the loop stops after the current iteration
    bool quitting;                 // the quit sequence runs
    bool mdiMode;
    HWND frame;
    HWND mdiClient;
    RuntimeWindow* windows;        // the window list, newest first
    RuntimeWindow* views;          // the view-window list, newest first
    RuntimeWindow* closed;         // closed records, freed in the loop's idle work
    ModalEntry* modalStack;        // newest first
    RuntimeWindow* captureWindow;  // the mouse-capture target's window
    Pane* capturePane;             // ... and its pane, null when the window itself
    Pane* focusPane;               // the pane of the focus control
    RuntimeWindow* trackedWindow;  // the window under the cursor
    Pane* trackedPane;             // the pane under the cursor
    POINT lastTrackedPoint;
    RuntimeWindow* mainWindow;     // outside MDI mode: the first kind-0 window
    RuntimeWindow* frontWindow;    // the active runtime window
    bool rightClick;               // the click being handled is a right-button click
    bool applicationActive;
};
extern UserInterfaceState gUI;

// A new reference to the object (nil allowed), for holding it across events.
inline ObjectInstance* LockedObject(ObjectInstance* object) {
    LockObject(object);
    return object;
}
