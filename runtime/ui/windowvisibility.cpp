// Showing, hiding and refreshing windows. A new window is not shown by its
// creation: the loop shows every window that wants to be visible at its next
// iteration, after all Open handlers have run.
#include "window.h"
#include "windowops.h"
#include "eventloop.h"
#include "uistate.h"

void ShowNativeWindow(RuntimeWindow* window) {
    ShowWindow(window->hwnd, SW_SHOWNORMAL);
    SetWindowPos(window->hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    if (window->object && AsWindow(window->object)->fullScreen) ApplyFullScreen(window);
}

void ApplyFullScreen(RuntimeWindow* window) {
    WindowFields* w = AsWindow(window->object);
    if (!w->fullScreen) return MoveNativeWindow(window, w->bounds);
    Bounds screen{0, 0, static_cast<int16_t>(GetSystemMetrics(SM_CYSCREEN)),
                  static_cast<int16_t>(GetSystemMetrics(SM_CXSCREEN))};
    MoveNativeWindow(window, screen);
    window->content = w->bounds;   // the stored bounds stay; the loop must not move it back
}

void SyncWindowsWithObjects() {
    for (RuntimeWindow* window = gUI.windows; window; window = window->nextWindow) {
        if (!window->hwnd || !window->object || window->closing) continue;
        WindowFields* w = AsWindow(window->object);
        if (!w->fullScreen && w->bounds != window->content) MoveNativeWindow(window, w->bounds);
        if (window->wantsVisible && !IsWindowVisible(window->hwnd)) ShowNativeWindow(window);
    }
}

extern "C" {

void RuntimeShowWindow(ObjectInstance* window) {
    RuntimeWindow* rw = RuntimeWindowOf(window);
    if (!rw) return;
    AsWindow(window)->visible = true;
    rw->wantsVisible = true;
    ShowNativeWindow(rw);
}

void RuntimeHideWindow(ObjectInstance* window) {
    if (!window) return;
    AsWindow(window)->visible = false;
    RuntimeWindow* rw = RuntimeWindowOf(window);
    if (!rw) return;
    rw->wantsVisible = false;
    if (IsWindowVisible(rw->hwnd)) ShowWindow(rw->hwnd, SW_HIDE);
}

void RuntimeShowModal(ObjectInstance* window) {
    RuntimeWindow* rw = RuntimeWindowOf(window);
    if (!rw) return;
    rw->wantsVisible = true;
    ShowNativeWindow(rw);
    LockObject(window);
    // The loop ends the program when quitting, so a quit ends this one too.
    while (!gUI.quit) {
        rw = RuntimeWindowOf(window);
        if (!rw || !rw->wantsVisible) break;
        RunLoopIteration();
    }
    UnlockObject(window);
}

void formRefresh(ObjectInstance* window) {
    RuntimeWindow* rw = RuntimeWindowOf(window);
    if (!rw) return;
    RedrawWindow(rw->hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void formRefreshRect(ObjectInstance* window, int32_t left, int32_t top, int32_t width, int32_t height) {
    RuntimeWindow* rw = RuntimeWindowOf(window);
    if (!rw) return;
    RECT r{left, top, left + width, top + height};
    RedrawWindow(rw->hwnd, &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

}
