// The runtime services around exceptions: the background task with its
// millisecond throttle and the periodic tasks, and the shutdown list.
#include <gtest/gtest.h>
#include <windows.h>
#include "core/backgroundtask.h"
#include "core/periodictasks.h"
#include "core/shutdownhandlers.h"
#include <string>

namespace {

struct CountingTask : PeriodicTask {
    int runs = 0;
    bool removeItself = false;
};

void CountRun(PeriodicTask* task) {
    CountingTask* counting = static_cast<CountingTask*>(task);
    counting->runs++;
    if (counting->removeItself) RemovePeriodicTask(task);
}

CountingTask MakeTask(uint32_t period, bool removeItself = false) {
    CountingTask task;
    task.period = period;
    task.run = &CountRun;
    task.removeItself = removeItself;
    return task;
}

void WaitForTheNextMillisecond() {
    DWORD start = GetTickCount();
    while (GetTickCount() == start) {}
}

TEST(BackgroundTask, RunsDueTasksAtMostOncePerMillisecond) {
    CountingTask everyTime = MakeTask(0);
    CountingTask seldom = MakeTask(100000);
    CountingTask once = MakeTask(0, true);
    AddPeriodicTask(&everyTime);
    AddPeriodicTask(&seldom);
    AddPeriodicTask(&once);

    bool sameMillisecond = false;
    for (int attempt = 0; attempt < 50 && !sameMillisecond; attempt++) {
        WaitForTheNextMillisecond();
        int before = everyTime.runs;
        DWORD tick = GetTickCount();
        RuntimeBackgroundTask();
        RuntimeBackgroundTask();
        if (GetTickCount() != tick) continue;   // the two calls straddled a tick: try again
        sameMillisecond = true;
        EXPECT_EQ(everyTime.runs - before, 1);
    }
    EXPECT_TRUE(sameMillisecond);
    WaitForTheNextMillisecond();
    int before = everyTime.runs;
    RuntimeBackgroundTask();
    EXPECT_EQ(everyTime.runs - before, 1) << "a new millisecond runs them again";
    EXPECT_EQ(seldom.runs, 0);
    EXPECT_EQ(once.runs, 1) << "a task that removed itself";

    RemovePeriodicTask(&everyTime);
    RemovePeriodicTask(&seldom);
    EXPECT_FALSE(HasPeriodicTasks());
}

TEST(ShutdownHandlers, RunNewestFirstUntilTheListIsEmpty) {
    struct Probe : ShutdownHandler {
        std::string* log;
        char mark;
        Probe* registersLater;
    };
    static std::string log;
    auto run = [](ShutdownHandler* handler) {
        Probe* probe = static_cast<Probe*>(handler);
        *probe->log += probe->mark;
        if (probe->registersLater) RegisterShutdownHandler(probe->registersLater);
    };
    Probe late{{nullptr, run}, &log, 'c', nullptr};
    Probe first{{nullptr, run}, &log, 'a', nullptr};
    Probe second{{nullptr, run}, &log, 'b', &late};
    Probe removed{{nullptr, run}, &log, 'x', nullptr};
    RegisterShutdownHandler(&first);
    RegisterShutdownHandler(&removed);
    RegisterShutdownHandler(&second);
    RemoveShutdownHandler(&removed);
    RunShutdownHandlers();
    EXPECT_EQ(log, "bca");
    RunShutdownHandlers();
    EXPECT_EQ(log, "bca");
}

} // namespace
