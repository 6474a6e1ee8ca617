// The event loop: takes window-system messages and turns them into the
// events of windows, controls and menus, and runs the periodic tasks
// between messages.
#include "eventloop.h"
#include "applicationevents.h"
#include "keyboard.h"
#include "windowinput.h"
#include "windowlist.h"
#include "windowops.h"
#include "pane.h"
#include "uistate.h"
#include "core/backgroundtask.h"
#include "core/periodictasks.h"
#include "core/shutdownhandlers.h"
#include <ole2.h>

void CloseRemainingWindows();

namespace {

// Closing the last window outside MDI mode ends the program.
void ApplyQuitRule() {
    if (!gUI.mdiMode && !gUI.views) gUI.quit = true;
}

// Waits for a message, but only until the next periodic task is due: an
// idle program sleeps instead of polling.
void WaitForMessageOrTask() {
    DWORD timeout = INFINITE;
    if (HasPeriodicTasks()) {
        uint32_t ticks = TicksUntilNextPeriodicTask();
        timeout = ticks * 100 / 6 + 1;   // ticks of 1/60 s to milliseconds, rounded up
    }
    MsgWaitForMultipleObjectsEx(0, nullptr, timeout, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

// Step 3: one message, or none.
bool TakeMessage(MSG* message) {
    if (gUI.captureWindow || HasPeriodicTasks()) {
        if (PeekMessageA(message, nullptr, 0, 0, PM_REMOVE)) return true;
        WaitForMessageOrTask();
        return false;
    }
    BOOL got = GetMessageA(message, nullptr, 0, 0);
    if (got == 0) gUI.quit = true;
    return got > 0;
}

void Dispatch(MSG* message) {
    NoteEventLoopActivity();
    if (!gUI.mdiMode && !gUI.captureWindow) {
        POINT cursor;
        GetCursorPos(&cursor);
        TrackMouseAt(cursor);
    }
    if (PreprocessKey(message)) return;
    if (gUI.mdiMode && gUI.mdiClient && TranslateMDISysAccel(gUI.mdiClient, message)) return;
    TranslateMessage(message);
    DispatchMessageA(message);
}

void RunIdleWork() {
    FreeClosedWindows();
    if (gUI.focusPane) gUI.focusPane->Idle();
}

} // namespace

void RunLoopIteration() {
    SyncWindowsWithObjects();
    ApplyQuitRule();
    if (gUI.quit) return;
    MSG message;
    if (TakeMessage(&message)) Dispatch(&message);
    RunIdleWork();
    ApplyQuitRule();
    RunDuePeriodicTasks();
}

extern "C" void RuntimeRun() {
    while (!gUI.quit) RunLoopIteration();
    CloseRemainingWindows();
    FreeClosedWindows();
    OleUninitialize();
    RunShutdownHandlers();
}
