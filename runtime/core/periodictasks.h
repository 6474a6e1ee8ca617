// Periodic tasks: runtime work that runs every so many ticks (plug-in
// controls' idle work, the progress bar's moving block). The event loop runs
// the due tasks between messages, RuntimeBackgroundTask inside long handlers.
// A tick is 1/60 second.
#pragma once
#include <cstdint>

struct PeriodicTask {
    PeriodicTask* next;
    uint32_t period;        // in ticks
    uint32_t lastRun;       // the tick after its last run
    void (*run)(PeriodicTask* task);
};

// The system's millisecond count in ticks: count x 0.06, truncated.
uint32_t RuntimeTicks();

// Adds the task at the end of the list, as run just now; the record must
// stay valid until it is removed.
void AddPeriodicTask(PeriodicTask* task);
// Safe while the tasks run, also for the running task itself.
void RemovePeriodicTask(PeriodicTask* task);
bool HasPeriodicTasks();
// Ticks until the first task is due (0 when one is due now).
uint32_t TicksUntilNextPeriodicTask();

// Runs every task whose period has passed since its last run.
void RunDuePeriodicTasks();
