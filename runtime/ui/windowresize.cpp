// Moving and resizing: the window object's bounds follow the native window,
// controls locked to the right or bottom edge follow the size, and the
// user's dragging stays within the window's size limits.
#include "windowinput.h"
#include "windowops.h"
#include "windowevents.h"
#include "controlbase.h"
#include "pane.h"
#include "uistate.h"
#include "core/stringmap.h"

namespace {

void ApplyLocks(WindowFields* w, int dx, int dy) {
    if (!w->controls) return;
    for (const StringMapNode* n = StringMapFirst(w->controls); n; n = StringMapNext(n)) {
        ObjectInstance* control = reinterpret_cast<ObjectInstance*>(n->value);
        if (!IsRectControl(control)) continue;
        RectControlFields* c = AsRectControl(control);
        if (!c->lockRight && !c->lockBottom) continue;
        Bounds b = c->bounds;
        if (c->lockRight) {
            b.right = static_cast<int16_t>(b.right + dx);
            if (!c->lockLeft) b.left = static_cast<int16_t>(b.left + dx);
        }
        if (c->lockBottom) {
            b.bottom = static_cast<int16_t>(b.bottom + dy);
            if (!c->lockTop) b.top = static_cast<int16_t>(b.top + dy);
        }
        if (b == c->bounds) continue;
        c->bounds = b;
        if (Pane* pane = c->control.pane) pane->MoveTo(b);
    }
}

} // namespace

void HandleResize(RuntimeWindow* window) {
    if (!window->created || IsIconic(window->hwnd)) return;
    WindowFields* w = AsWindow(window->object);
    Bounds now = NativeContentBounds(window);
    int dx = now.Width() - w->lastResize.Width();
    int dy = now.Height() - w->lastResize.Height();
    w->bounds = now;
    w->lastResize = now;
    window->content = now;
    // The first showing reports the size the window already has: no event.
    if (dx == 0 && dy == 0) return;
    ObjectRef object(LockedObject(window->object));
    if (!window->closing) ApplyLocks(w, dx, dy);
    SendWindowEvent(object.get(), WindowEvent::Resized);
}

void HandleMove(RuntimeWindow* window) {
    if (!window->created || IsIconic(window->hwnd)) return;
    WindowFields* w = AsWindow(window->object);
    Bounds now = NativeContentBounds(window);
    if (now.left == w->bounds.left && now.top == w->bounds.top) return;
    Bounds moved = w->bounds;
    moved.right = static_cast<int16_t>(now.left + moved.Width());
    moved.bottom = static_cast<int16_t>(now.top + moved.Height());
    moved.left = now.left;
    moved.top = now.top;
    w->bounds = moved;
    window->content = moved;
    ObjectRef object(LockedObject(window->object));
    SendWindowEvent(object.get(), WindowEvent::Moved);
}

void LimitSizing(RuntimeWindow* window, WPARAM edge, RECT* frame) {
    WindowFields* w = AsWindow(window->object);
    // The limits are for the content area: the frame adds its borders.
    RECT border{0, 0, 0, 0};
    AdjustWindowRectEx(&border, static_cast<DWORD>(GetWindowLongA(window->hwnd, GWL_STYLE)),
                       GetMenu(window->hwnd) != nullptr && !window->mdiChild,
                       static_cast<DWORD>(GetWindowLongA(window->hwnd, GWL_EXSTYLE)));
    int extraWidth = border.right - border.left, extraHeight = border.bottom - border.top;
    auto clamp = [](int value, int low, int high) {
        if (high > 0 && value > high) value = high;
        return value < low ? low : value;
    };
    int width = clamp(frame->right - frame->left - extraWidth, w->minWidth, w->maxWidth) + extraWidth;
    int height = clamp(frame->bottom - frame->top - extraHeight, w->minHeight, w->maxHeight) + extraHeight;
    if (edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT) frame->left = frame->right - width;
    else frame->right = frame->left + width;
    if (edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT) frame->top = frame->bottom - height;
    else frame->bottom = frame->top + height;
}
