// Quitting: the quit sequence, ApplicationQuit and the application's
// activation events.
#include "applicationevents.h"
#include "windowops.h"
#include "windowevents.h"
#include "uistate.h"
#include "core/applicationclass.h"
#include "core/compiledcalls.h"
#include "core/utility.h"
#include "core/win32exception.h"

namespace {

// The view windows' objects, held, so that handlers may open and close
// windows while they are visited.
struct WindowSnapshot {
    ObjectInstance** objects = nullptr;
    int count = 0;

    WindowSnapshot() {
        for (RuntimeWindow* w = gUI.views; w; w = w->nextView) count++;
        if (!count) return;
        objects = static_cast<ObjectInstance**>(RuntimeAlloc(sizeof(ObjectInstance*) * count));
        int i = 0;
        for (RuntimeWindow* w = gUI.views; w; w = w->nextView) objects[i++] = LockedObject(w->object);
    }
    ~WindowSnapshot() {
        for (int i = 0; i < count; i++) UnlockObject(objects[i]);
        if (objects) RuntimeFree(objects, sizeof(ObjectInstance*) * count);
    }
};

void QuitAbandoned(AbandonableFrame*) { gUI.quitting = false; }

bool AnyWindowRefuses() {
    WindowSnapshot windows;
    for (int i = 0; i < windows.count; i++)
        if (RuntimeWindowOf(windows.objects[i]) && !WindowAgreesToClose(windows.objects[i])) return true;
    return false;
}

void CloseAllViewWindows() {
    WindowSnapshot windows;
    for (int i = 0; i < windows.count; i++)
        if (RuntimeWindow* rw = RuntimeWindowOf(windows.objects[i])) CloseRuntimeWindow(rw);
}

void SendApplicationEvent(ApplicationEvent event) {
    if (uint32_t code = ApplicationHandler(event)) CallCompiled(code, ApplicationObject());
}

} // namespace

bool RunQuitSequence() {
    if (gUI.quitting) return true;
    gUI.quitting = true;
    AbandonableFrame guard{nullptr, &QuitAbandoned};
    EnterAbandonableFrame(&guard);
    bool cancelled = AnyWindowRefuses();
    if (!cancelled) {
        SendApplicationEvent(ApplicationEvent::Close);
        CloseAllViewWindows();
    }
    LeaveAbandonableFrame(&guard);
    gUI.quitting = false;
    return cancelled;
}

void CloseRemainingWindows() { CloseAllViewWindows(); }

void DeliverApplicationActivation(bool active) {
    if (active == gUI.applicationActive) return;
    gUI.applicationActive = active;
    for (RuntimeWindow* w = gUI.windows; w; w = w->nextWindow)
        if (w->hwnd && (w->kind == 3 || w->kind == 7))
            SetWindowPos(w->hwnd, active ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (!active) {
        if (HWND front = GetForegroundWindow())
            SetWindowPos(front, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    SendApplicationEvent(active ? ApplicationEvent::Activate : ApplicationEvent::Deactivate);
}

extern "C" void ApplicationQuit() {
    if (RunQuitSequence()) return;
    // Set before the raise: a compiled handler that catches EndException
    // never comes back here, and the program must end all the same.
    gUI.quit = true;
    RaiseBuiltinException(BuiltinException::End);
}
