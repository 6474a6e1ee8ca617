// What the window machinery does to a runtime window, shared by its files.
#pragma once
#include "window.h"

// windowkinds.cpp: the native window of the kind (hidden), its record listed.
struct WindowKind {
    DWORD style;
    DWORD extendedStyle;
    bool modal;
    int32_t defaultPlacement;
};
// False for a Frame value outside 0 to 7.
bool LookUpWindowKind(int32_t frame, WindowKind* kind);
// Moves the bounds (which start at 0, 0 with their size) by the placement.
void PlaceBounds(Bounds* bounds, int32_t placement);
bool CreateNativeWindow(RuntimeWindow* window);
// The native window's position and size for the content bounds.
void MoveNativeWindow(RuntimeWindow* window, const Bounds& content);
// The content bounds that the native window has now.
Bounds NativeContentBounds(const RuntimeWindow* window);

// windowvisibility.cpp
void ShowNativeWindow(RuntimeWindow* window);
void ApplyFullScreen(RuntimeWindow* window);
// Step 2 of a loop iteration for every window: bounds and visibility.
void SyncWindowsWithObjects();

// windowclosing.cpp: the close sequence after CancelClose said yes.
void CloseRuntimeWindow(RuntimeWindow* window);
// True when the window may close (CancelClose did not refuse).
bool WindowAgreesToClose(ObjectInstance* window);

// menubar.cpp: the menu bar on the active window, or none.
void ShowMenuBarFor(RuntimeWindow* window);
