// Timers. The Windows timer's identifier is the timer object itself; its
// callback receives the message's tick count. A multiple-mode timer with a
// period of 54 ms or less cannot count on the system to fire that often, so
// at each firing it runs Action once for every period that has passed since
// the last one.
#include "timer.h"
#include "controlevents.h"
#include "controlfields.h"
#include <windows.h>

namespace {

constexpr int32_t kModeOff = 0, kModeSingle = 1, kModeMultiple = 2;
constexpr int32_t kCatchUpPeriod = 54;     // the system's own timer resolution

ClassRecord* timerClass;
const EventDeclaration* actionEvent;
HWND timerWindow;
ObjectInstance* firstTimer;               // newest first

TimerFields* Fields(ObjectInstance* timer) { return FieldsOf<TimerFields>(timer); }

void CALLBACK TimerFired(HWND, UINT, UINT_PTR id, DWORD tick);

void EnsureTimerWindow() {
    if (timerWindow) return;
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "OBTimer";
    RegisterClassA(&windowClass);
    timerWindow = CreateWindowExA(0, "OBTimer", "", 0, 0, 0, 0, 0, nullptr, nullptr,
                                  windowClass.hInstance, nullptr);
}

UINT_PTR IdOf(ObjectInstance* timer) { return reinterpret_cast<UINT_PTR>(timer); }

void StartWindowsTimer(ObjectInstance* timer, int32_t milliseconds) {
    Fields(timer)->running = 1;
    SetTimer(timerWindow, IdOf(timer), UINT(milliseconds), &TimerFired);
}

void KillWindowsTimer(ObjectInstance* timer) { KillTimer(timerWindow, IdOf(timer)); }

bool IsLiveTimer(ObjectInstance* candidate) {
    for (ObjectInstance* timer = firstTimer; timer; timer = Fields(timer)->nextTimer)
        if (timer == candidate) return true;
    return false;
}

void ConstructTimer(ObjectInstance* timer, ClassRecord*) {
    EnsureTimerWindow();
    TimerFields* fields = Fields(timer);
    fields->lastTime = GetTickCount();
    fields->period = 1000;
    fields->nextTimer = firstTimer;
    firstTimer = timer;
}

void DestroyTimer(ObjectInstance* timer, ClassRecord*) {
    for (ObjectInstance** link = &firstTimer; *link; link = &Fields(*link)->nextTimer)
        if (*link == timer) {
            *link = Fields(timer)->nextTimer;
            break;
        }
    if (Fields(timer)->running) KillWindowsTimer(timer);
}

void RunAction(ObjectInstance* timer) { FireEvent(timer, actionEvent); }

// Runs Action once per period passed, while nothing changes the timer's
// settings; then arms the timer for the next period boundary.
void CatchUp(ObjectInstance* timer, DWORD tick) {
    TimerFields* fields = Fields(timer);
    const int32_t mode = fields->mode, period = fields->period;
    const int32_t step = period > 0 ? period : 1;
    const uint32_t due = (tick - fields->lastTime) / uint32_t(step);
    bool changed = false;
    for (uint32_t i = 0; i < due && !changed; i++) {
        RunAction(timer);
        changed = fields->mode != mode || fields->period != period;
    }
    if (changed) return;   // the setters have already armed or stopped it
    int32_t remaining = int32_t(2 * period + fields->lastTime - GetTickCount());
    StartWindowsTimer(timer, remaining < 0 ? period : remaining);
}

void CALLBACK TimerFired(HWND, UINT, UINT_PTR id, DWORD tick) {
    ObjectInstance* timer = reinterpret_cast<ObjectInstance*>(id);
    if (!IsLiveTimer(timer)) return KillTimer(timerWindow, id), void();
    EventGuard hold(timer);
    TimerFields* fields = Fields(timer);
    KillWindowsTimer(timer);
    if (fields->mode != kModeMultiple) {
        fields->running = 0;
        fields->mode = kModeOff;
        RunAction(timer);
        return;
    }
    if (fields->period > kCatchUpPeriod) {
        StartWindowsTimer(timer, fields->period);
        RunAction(timer);
    } else {
        CatchUp(timer, tick);
    }
    fields->lastTime = tick;
}

} // namespace

void RegisterTimerClass() {
    if (timerClass) return;
    timerClass = RegisterBuiltinClass("Timer", nullptr, sizeof(TimerFields), &ConstructTimer,
                                      &DestroyTimer);
    actionEvent = DeclareEvent(timerClass, "Action");
}

ClassRecord* TimerClass() { return timerClass; }

extern "C" int timerModeGetter(ObjectInstance* timer, int) { return Fields(timer)->mode; }

extern "C" void timerModeSetter(ObjectInstance* timer, int, int mode) {
    TimerFields* fields = Fields(timer);
    fields->mode = mode;
    fields->lastTime = GetTickCount();
    if (mode != kModeOff) {
        StartWindowsTimer(timer, fields->period);
    } else if (fields->running) {
        KillWindowsTimer(timer);
        fields->running = 0;
    }
}

extern "C" int timerPeriodGetter(ObjectInstance* timer, int) { return Fields(timer)->period; }

// A running timer keeps its phase: it is rearmed for what is left of the new
// period since it last started or fired.
extern "C" void timerPeriodSetter(ObjectInstance* timer, int, int period) {
    TimerFields* fields = Fields(timer);
    fields->period = period > 0 ? period : 1;
    if (fields->mode == kModeOff || !fields->running) return;
    int32_t remaining = int32_t(fields->period + fields->lastTime - GetTickCount());
    if (remaining < 0) remaining = fields->mode == kModeSingle ? 1 : fields->period;
    StartWindowsTimer(timer, remaining);
}
