// Closing a window: its controls' and its own Close events, then the release
// of the controls and the object, then the native side. The record stays
// until the loop's idle work frees it, so a handler may close the window
// whose message is being dispatched.
#include "window.h"
#include "windowops.h"
#include "windowevents.h"
#include "windowlist.h"
#include "controlbase.h"
#include "pane.h"
#include "uistate.h"
#include "core/stringmap.h"
#include <ole2.h>

namespace {

void CloseControls(WindowFields* w) {
    if (!w->controls) return;
    for (const StringMapNode* n = StringMapFirst(w->controls); n; n = StringMapNext(n)) {
        ObjectInstance* control = reinterpret_cast<ObjectInstance*>(n->value);
        if (!IsControl(control)) continue;
        Pane* pane = AsControl(control)->pane;
        if (pane && gUI.focusPane == pane) {
            gUI.focusPane = nullptr;
            SetFocus(nullptr);
        }
        SendControlEvent(control, ControlEvent::Close);
    }
}

void ReleaseControls(WindowFields* w) {
    StringMap* controls = w->controls;
    w->controls = nullptr;
    if (!controls) return;
    for (const StringMapNode* n = StringMapFirst(controls); n; n = StringMapNext(n)) {
        ObjectInstance* control = reinterpret_cast<ObjectInstance*>(n->value);
        if (IsControl(control)) AsControl(control)->pane = nullptr;
    }
    for (const StringMapNode* n = StringMapFirst(controls); n; n = StringMapNext(n))
        UnlockObject(reinterpret_cast<ObjectInstance*>(n->value));
    DeleteStringMap(controls);
}

void ClosePanes(RuntimeWindow* window) {
    while (Pane* pane = window->firstPane) {
        RemovePane(window, pane);
        pane->Close();
        delete pane;
    }
}

void DestroyNative(RuntimeWindow* window) {
    HWND hwnd = window->hwnd;
    if (!hwnd) return;
    RevokeDragDrop(hwnd);
    BindHandle(hwnd, nullptr);
    window->hwnd = nullptr;
    RemoveModal(hwnd);
    if (window->mdiChild) SendMessageA(gUI.mdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(hwnd), 0);
    else DestroyWindow(hwnd);
}

} // namespace

bool WindowAgreesToClose(ObjectInstance* window) {
    return !SendWindowEvent(window, WindowEvent::CancelClose);
}

void CloseRuntimeWindow(RuntimeWindow* window) {
    if (window->closing) return;
    window->closing = true;
    ObjectInstance* object = window->object;
    WindowFields* w = AsWindow(object);
    CloseControls(w);
    SendWindowEvent(object, WindowEvent::Close);
    ReleaseControls(w);
    w->runtimeWindow = nullptr;
    window->object = nullptr;
    ObjectInstance** slot = window->slot;
    UnlockObject(object);
    ClosePanes(window);
    DestroyNative(window);
    UnlistRuntimeWindow(window);
    if (slot) {
        ObjectInstance* held = *slot;
        *slot = nullptr;
        UnlockObject(held);
    }
}

extern "C" void RuntimeCloseWindow(ObjectInstance* window) {
    RuntimeWindow* rw = RuntimeWindowOf(window);
    if (!rw || rw->closing) return;
    if (!WindowAgreesToClose(window)) return;
    rw = RuntimeWindowOf(window);
    if (rw) CloseRuntimeWindow(rw);
}
