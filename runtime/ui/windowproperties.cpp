// Window properties with behaviour beyond their field. A setter stores the
// value and, when the window has its native side, passes it on.
#include "windowproperties.h"
#include "window.h"
#include "windowops.h"
#include "controlbase.h"
#include "core/string.h"
#include "core/stringmap.h"

namespace {

WindowFields* Fields(ObjectInstance* window) { return AsWindow(window); }

void StoreString(StringObject** field, StringObject* value) {
    RuntimeLockString(value);
    StringObject* old = *field;
    *field = value;
    RuntimeUnlockString(old);
}

void Repaint(ObjectInstance* window) {
    if (RuntimeWindow* rw = RuntimeWindowOf(window)) InvalidateRect(rw->hwnd, nullptr, TRUE);
}

POINT MouseInContent(ObjectInstance* window) {
    POINT point{};
    GetCursorPos(&point);
    if (RuntimeWindow* rw = RuntimeWindowOf(window)) ScreenToClient(rw->hwnd, &point);
    return point;
}

} // namespace

extern "C" {

bool WindowVisibleGetter(ObjectInstance* window, uint32_t) { return Fields(window)->visible; }

void WindowVisibleSetter(ObjectInstance* window, uint32_t, uint32_t visible) {
    if (!(visible & 0xFF)) return RuntimeHideWindow(window);
    Fields(window)->visible = true;
    if (RuntimeWindow* rw = RuntimeWindowOf(window)) rw->wantsVisible = true;
}

int32_t windowPosGetter(ObjectInstance* window, uint32_t which) {
    const Bounds& b = Fields(window)->bounds;
    switch (which) {
    case 0: return b.left;
    case 1: return b.top;
    case 2: return b.Width();
    default: return b.Height();
    }
}

void windowPosSetter(ObjectInstance* window, uint32_t which, int32_t value) {
    WindowFields* w = Fields(window);
    if (w->fullScreen && w->runtimeWindow) return;
    Bounds& b = w->bounds;
    int16_t v = static_cast<int16_t>(value);
    switch (which) {
    case 0: b.right = static_cast<int16_t>(b.right + v - b.left); b.left = v; break;
    case 1: b.bottom = static_cast<int16_t>(b.bottom + v - b.top); b.top = v; break;
    case 2: b.right = static_cast<int16_t>(b.left + v); break;
    default: b.bottom = static_cast<int16_t>(b.top + v); break;
    }
}

StringObject* windowTitleGetter(ObjectInstance* window, uint32_t) {
    return LockedString(Fields(window)->title);
}

void windowTitleSetter(ObjectInstance* window, uint32_t, StringObject* title) {
    StoreString(&Fields(window)->title, title);
    if (RuntimeWindow* rw = RuntimeWindowOf(window)) SetWindowTextA(rw->hwnd, StringText(title));
}

bool windowFullScreenGetter(ObjectInstance* window, uint32_t) { return Fields(window)->fullScreen; }

void windowFullScreenSetter(ObjectInstance* window, uint32_t, uint32_t on) {
    Fields(window)->fullScreen = (on & 0xFF) != 0;
    if (RuntimeWindow* rw = RuntimeWindowOf(window)) ApplyFullScreen(rw);
}

bool windowMenusVisibleGetter(ObjectInstance* window, uint32_t) {
    return Fields(window)->menuBarVisible;
}

void windowMenusVisibleSetter(ObjectInstance* window, uint32_t, uint32_t visible) {
    Fields(window)->menuBarVisible = (visible & 0xFF) != 0;
    RuntimeWindow* rw = RuntimeWindowOf(window);
    if (rw && rw->active) ShowMenuBarFor(rw);
}

ObjectInstance* windowBackdropGetter(ObjectInstance* window, uint32_t) {
    LockObject(Fields(window)->backdrop);
    return Fields(window)->backdrop;
}

void windowBackdropSetter(ObjectInstance* window, uint32_t, ObjectInstance* picture) {
    LockObject(picture);
    ObjectInstance* old = Fields(window)->backdrop;
    Fields(window)->backdrop = picture;
    UnlockObject(old);
    Repaint(window);
}

bool windowHasBackColorGetter(ObjectInstance* window, uint32_t) {
    return Fields(window)->hasBackColor;
}

void windowHasBackColorSetter(ObjectInstance* window, uint32_t, uint32_t on) {
    WindowFields* w = Fields(window);
    w->hasBackColor = (on & 0xFF) != 0;
    if (RuntimeWindow* rw = w->runtimeWindow) {
        rw->hasBackColor = w->hasBackColor;
        rw->backColor = ColorRefOf(w->backColor);
    }
    Repaint(window);
}

uint32_t windowBackColorGetter(ObjectInstance* window, uint32_t) { return Fields(window)->backColor; }

void windowBackColorSetter(ObjectInstance* window, uint32_t, uint32_t color) {
    WindowFields* w = Fields(window);
    w->backColor = color;
    if (RuntimeWindow* rw = w->runtimeWindow) rw->backColor = ColorRefOf(color);
    if (w->hasBackColor) Repaint(window);
}

void windowBalloonHelpSetter(ObjectInstance* window, uint32_t, StringObject* text) {
    StoreString(&Fields(window)->balloonHelp, text);
    if (RuntimeWindow* rw = RuntimeWindowOf(window)) StoreString(&rw->balloonHelp, text);
}

void formMouseCursorSetter(ObjectInstance* window, uint32_t, ObjectInstance* cursor) {
    LockObject(cursor);
    ObjectInstance* old = Fields(window)->mouseCursor;
    Fields(window)->mouseCursor = cursor;
    UnlockObject(old);
}

int32_t windowControlCountGetter(ObjectInstance* window, uint32_t) {
    const StringMap* controls = Fields(window)->controls;
    int32_t count = 0;
    if (!controls) return 0;
    for (const StringMapNode* n = StringMapFirst(controls); n; n = StringMapNext(n))
        if (IsControl(reinterpret_cast<ObjectInstance*>(n->value))) count++;
    return count;
}

int32_t windowMouseXGetter(ObjectInstance* window, uint32_t) { return MouseInContent(window).x; }
int32_t windowMouseYGetter(ObjectInstance* window, uint32_t) { return MouseInContent(window).y; }

uint32_t windowWindowPtrGetter(ObjectInstance* window, uint32_t) {
    RuntimeWindow* rw = RuntimeWindowOf(window);
    return rw ? reinterpret_cast<uint32_t>(rw->hwnd) : 0;
}

uint32_t windowHWNDGetter(ObjectInstance* window, uint32_t parameter) {
    return windowWindowPtrGetter(window, parameter);
}

}
