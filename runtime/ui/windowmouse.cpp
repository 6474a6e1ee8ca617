// The mouse: presses with capture, and the tracking of the window and pane
// under the cursor (enter, move, exit; drag while captured).
#include "windowinput.h"
#include "windowevents.h"
#include "windowlist.h"
#include "pane.h"
#include "uistate.h"

namespace {

constexpr int kMaxPanes = 512;

bool TakesClicks(Pane* pane, int x, int y) {
    return pane->IsDrawn() && pane->enabled && pane->visible && pane->Contains(x, y);
}

// The window's drawn panes under the point, front-most (newest) first.
Pane* PaneTakingPress(RuntimeWindow* window, int x, int y, bool rightButton) {
    Pane* panes[kMaxPanes];
    int count = 0;
    for (Pane* pane = window->firstPane; pane && count < kMaxPanes; pane = pane->nextInWindow)
        panes[count++] = pane;
    while (count-- > 0)
        if (IsLiveRuntimeWindow(window) && TakesClicks(panes[count], x, y) &&
            panes[count]->MouseDown(x, y, rightButton))
            return panes[count];
    return nullptr;
}

Pane* PaneUnder(RuntimeWindow* window, int x, int y) {
    Pane* found = nullptr;
    for (Pane* pane = window->firstPane; pane; pane = pane->nextInWindow)
        if (pane->visible && pane->Contains(x, y)) found = pane;
    return found;
}

void StartCapture(RuntimeWindow* window, Pane* pane) {
    gUI.captureWindow = window;
    gUI.capturePane = pane;
    SetCapture(window->hwnd);
}

RuntimeWindow* RuntimeWindowAt(POINT screen) {
    for (HWND hwnd = WindowFromPoint(screen); hwnd; hwnd = GetParent(hwnd))
        if (RuntimeWindow* window = RuntimeWindowFromHandle(hwnd)) return window;
    return nullptr;
}

void ExitTracked() {
    RuntimeWindow* window = gUI.trackedWindow;
    if (!window) return;
    if (Pane* pane = gUI.trackedPane) {
        gUI.trackedPane = nullptr;
        pane->MouseExit();
    }
    gUI.trackedWindow = nullptr;
    ObjectRef object(LockedObject(window->object));
    SendWindowEvent(object.get(), WindowEvent::MouseExit);
}

void TrackPanes(RuntimeWindow* window, int x, int y) {
    Pane* pane = PaneUnder(window, x, y);
    if (pane != gUI.trackedPane) {
        if (Pane* old = gUI.trackedPane) {
            gUI.trackedPane = nullptr;
            old->MouseExit();
        }
        gUI.trackedPane = pane;
        if (pane) pane->MouseEnter();
    }
    if (gUI.trackedPane) gUI.trackedPane->MouseMove(x, y);
}

void Drag(POINT screen) {
    RuntimeWindow* window = gUI.captureWindow;
    POINT point = screen;
    ScreenToClient(window->hwnd, &point);
    if (Pane* pane = gUI.capturePane) return pane->MouseDrag(point.x, point.y);
    ObjectRef object(LockedObject(window->object));
    SendWindowEvent(object.get(), WindowEvent::MouseDrag, point.x, point.y);
}

} // namespace

void HandleMouseDown(RuntimeWindow* window, int x, int y, bool rightButton) {
    bool wasRight = gUI.rightClick;
    gUI.rightClick = rightButton;
    if (Pane* pane = PaneTakingPress(window, x, y, rightButton)) {
        if (IsLiveRuntimeWindow(window)) StartCapture(window, pane);
    } else if (IsLiveRuntimeWindow(window) && window->object) {
        ObjectRef object(LockedObject(window->object));
        if (SendWindowEvent(object.get(), WindowEvent::MouseDown, x, y) && RuntimeWindowOf(object.get()) == window)
            StartCapture(window, nullptr);
    }
    gUI.rightClick = wasRight;
}

void HandleMouseUp(RuntimeWindow* receiver, int x, int y) {
    RuntimeWindow* window = gUI.captureWindow;
    if (!window) return;
    Pane* pane = gUI.capturePane;
    gUI.captureWindow = nullptr;
    gUI.capturePane = nullptr;
    ReleaseCapture();
    POINT point{x, y};
    MapWindowPoints(receiver->hwnd, window->hwnd, &point, 1);
    if (pane) return pane->MouseUp(point.x, point.y);
    ObjectRef object(LockedObject(window->object));
    SendWindowEvent(object.get(), WindowEvent::MouseUp, point.x, point.y);
}

void TrackMouseAt(POINT screen) {
    bool moved = screen.x != gUI.lastTrackedPoint.x || screen.y != gUI.lastTrackedPoint.y;
    gUI.lastTrackedPoint = screen;
    // Every move while captured is a drag; the loop does not poll then.
    if (gUI.captureWindow) return Drag(screen);
    RuntimeWindow* window = RuntimeWindowAt(screen);
    POINT point = screen;
    if (window) ScreenToClient(window->hwnd, &point);
    RECT content{};
    if (window) GetClientRect(window->hwnd, &content);
    if (window && !PtInRect(&content, point)) window = nullptr;
    if (window != gUI.trackedWindow) {
        ExitTracked();
        if (!window || !window->object) return;
        gUI.trackedWindow = window;
        TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, window->hwnd, 0};
        TrackMouseEvent(&leave);
        ObjectRef object(LockedObject(window->object));
        SendWindowEvent(object.get(), WindowEvent::MouseEnter);
        moved = true;
    }
    if (!window || !moved || !IsLiveRuntimeWindow(window)) return;
    TrackPanes(window, point.x, point.y);
    ObjectRef object(LockedObject(window->object));
    SendWindowEvent(object.get(), WindowEvent::MouseMove, point.x, point.y);
}

bool RefusesActivation(HWND hwnd) {
    HWND modal = NewestVisibleModal();
    if (!modal || hwnd == modal || IsChild(modal, hwnd)) return false;
    MessageBeep(0);
    return true;
}
