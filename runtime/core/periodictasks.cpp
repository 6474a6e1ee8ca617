// The periodic-task list. A running task may remove itself or any other
// task: the walk keeps the task it will visit next where Remove can see it.
#include "periodictasks.h"
#include <windows.h>

namespace {

PeriodicTask* firstTask;
PeriodicTask* nextToVisit;

} // namespace

uint32_t RuntimeTicks() {
    // Whole numbers give the truncated product exactly: x 6 / 100 = x 0.06.
    return static_cast<uint32_t>(static_cast<uint64_t>(GetTickCount()) * 6 / 100);
}

void AddPeriodicTask(PeriodicTask* task) {
    task->next = nullptr;
    task->lastRun = RuntimeTicks();
    PeriodicTask** link = &firstTask;
    while (*link) link = &(*link)->next;
    *link = task;
}

void RemovePeriodicTask(PeriodicTask* task) {
    if (nextToVisit == task) nextToVisit = task->next;
    for (PeriodicTask** link = &firstTask; *link; link = &(*link)->next)
        if (*link == task) {
            *link = task->next;
            return;
        }
}

bool HasPeriodicTasks() { return firstTask != nullptr; }

uint32_t TicksUntilNextPeriodicTask() {
    uint32_t now = RuntimeTicks(), soonest = UINT32_MAX;
    for (PeriodicTask* task = firstTask; task; task = task->next) {
        uint32_t waited = now - task->lastRun;
        uint32_t left = waited >= task->period ? 0 : task->period - waited;
        if (left < soonest) soonest = left;
    }
    return firstTask ? soonest : 0;
}

void RunDuePeriodicTasks() {
    for (PeriodicTask* task = firstTask; task; task = nextToVisit) {
        nextToVisit = task->next;
        if (RuntimeTicks() - task->lastRun < task->period) continue;
        task->run(task);
        task->lastRun = RuntimeTicks();
    }
    nextToVisit = nullptr;
}
