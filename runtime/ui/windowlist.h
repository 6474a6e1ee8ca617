// The runtime's bookkeeping of runtime windows: the records, the window and
// view-window lists, the modal stack, and the records' deferred freeing
// (a handler may close the window whose message is being dispatched).
#pragma once
#include "window.h"

RuntimeWindow* NewRuntimeWindow(ObjectInstance* object, int32_t kind);
// Puts it in the window list and, tagged as a view window, in the view list.
void ListRuntimeWindow(RuntimeWindow* window);
// Takes it out of both lists and the modal stack; its record is freed by the
// loop's idle work.
void UnlistRuntimeWindow(RuntimeWindow* window);
void FreeClosedWindows();
// Destroys every window without events (a new image starts over).
void DiscardAllWindows();

void PushModal(HWND hwnd);
void RemoveModal(HWND hwnd);
// The newest visible window of the modal stack; null when there is none.
HWND NewestVisibleModal();
bool ModalStackEmpty();

// The window record that a native window's data points at.
void BindHandle(HWND hwnd, RuntimeWindow* window);
