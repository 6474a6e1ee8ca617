// The Timer class: not a control, it has no pane. Every timer's Windows timer
// belongs to one hidden window of the class "OBTimer", made when the first
// timer is created; a timer fires when a message loop dispatches its timer
// message (the event loop, or the system's modal loop of a message box or
// file dialog).
#pragma once

struct ClassRecord;

// Registers Timer with its properties and its Action event; run once.
void RegisterTimerClass();
ClassRecord* TimerClass();

extern "C" {
struct ObjectInstance;
int timerModeGetter(ObjectInstance* timer, int param);
void timerModeSetter(ObjectInstance* timer, int param, int mode);
int timerPeriodGetter(ObjectInstance* timer, int param);
void timerPeriodSetter(ObjectInstance* timer, int param, int period);
}
