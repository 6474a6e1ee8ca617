// RuntimeBackgroundTask runs the periodic tasks at most once per millisecond
// tick, so that a tight loop calling it costs one GetTickCount per pass. It
// takes no window messages: a long handler keeps its windows current with
// explicit refreshes.
#include "backgroundtask.h"
#include "periodictasks.h"
#include <windows.h>

namespace {

constexpr uint32_t kBusyTicks = 15;

DWORD lastBackgroundTick;
uint32_t lastLoopActivity;
bool waitCursorDisabled;
bool waitCursorShown;

void CheckWaitCursor() {
    if (waitCursorDisabled || waitCursorShown) return;
    if (RuntimeTicks() - lastLoopActivity <= kBusyTicks) return;
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    waitCursorShown = true;
}

} // namespace

void NoteEventLoopActivity() {
    lastLoopActivity = RuntimeTicks();
    waitCursorShown = false;
}

void DisableAutomaticWaitCursor() { waitCursorDisabled = true; }

extern "C" void RuntimeBackgroundTask() {
    DWORD now = GetTickCount();
    if (now == lastBackgroundTick) return;
    lastBackgroundTick = now;
    CheckWaitCursor();
    RunDuePeriodicTasks();
    lastBackgroundTick = GetTickCount();
}

extern "C" void DisableAutoWaitCursor() { DisableAutomaticWaitCursor(); }
