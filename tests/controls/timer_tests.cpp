// Timers fired by a real message loop: the three modes, the Period rules and
// the catch-up of short periods.
#include <gtest/gtest.h>
#include <windows.h>
#include "testclasses.h"
#include "ui/controlfields.h"
#include "ui/msgbox.h"
#include "ui/timer.h"
#include <thread>
#include <vector>

namespace {

std::vector<DWORD> firings;
ObjectInstance* changeOnFiring;       // a timer whose Action stops it at the third run
int32_t modeAtThirdRun;

extern "C" void CountAction(ObjectInstance* timer) {
    firings.push_back(GetTickCount());
    if (timer == changeOnFiring && firings.size() == 3) timerModeSetter(timer, 0, modeAtThirdRun);
}

class Timers : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTimerClass();
        firings.clear();
        changeOnFiring = nullptr;
        counting = TestSubclass(TimerClass(), {{"Action", reinterpret_cast<void*>(&CountAction)}});
    }
    ObjectInstance* NewTimer() { return NewInstance(counting); }
    static TimerFields* Fields(ObjectInstance* timer) { return FieldsOf<TimerFields>(timer); }

    // A plain message loop, as the event loop or a modal loop would run it.
    static void Pump(DWORD milliseconds) {
        DWORD start = GetTickCount();
        while (GetTickCount() - start < milliseconds) {
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
            Sleep(5);
        }
    }
    // Dispatches the next timer message only; the number of Actions it ran.
    static size_t DispatchOneTimerMessage(DWORD waitMs = 3000) {
        size_t before = firings.size();
        MSG message;
        for (DWORD waited = 0; waited < waitMs; waited += 5) {
            if (PeekMessageA(&message, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) {
                DispatchMessageA(&message);
                return firings.size() - before;
            }
            Sleep(5);
        }
        return 0;
    }
    ClassRecord* counting = nullptr;
};

TEST_F(Timers, StartOffWithAPeriodOfOneSecondInTheHiddenTimerWindow) {
    ObjectRef timer(NewTimer());
    EXPECT_EQ(timerModeGetter(timer.get(), 0), 0);
    EXPECT_EQ(timerPeriodGetter(timer.get(), 0), 1000);
    EXPECT_FALSE(Fields(timer.get())->running);
    EXPECT_LE(GetTickCount() - Fields(timer.get())->lastTime, 1000u);
    HWND window = FindWindowA("OBTimer", nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(IsWindowVisible(window));
    ObjectRef second(NewTimer());
    EXPECT_EQ(FindWindowExA(nullptr, window, "OBTimer", nullptr), nullptr) << "one window for all";
}

TEST_F(Timers, SingleModeFiresOnceAndTurnsItselfOff) {
    ObjectRef timer(NewTimer());
    timerPeriodSetter(timer.get(), 0, 30);
    timerModeSetter(timer.get(), 0, 1);
    EXPECT_TRUE(Fields(timer.get())->running);
    Pump(400);
    EXPECT_EQ(firings.size(), 1u);
    EXPECT_EQ(timerModeGetter(timer.get(), 0), 0);
    EXPECT_FALSE(Fields(timer.get())->running);
}

TEST_F(Timers, ModeZeroBeforeTheFiringMeansItNeverFires) {
    ObjectRef timer(NewTimer());
    timerPeriodSetter(timer.get(), 0, 30);
    timerModeSetter(timer.get(), 0, 1);
    timerModeSetter(timer.get(), 0, 0);
    Pump(300);
    EXPECT_TRUE(firings.empty());
}

TEST_F(Timers, MultipleModeFiresUntilStoppedFromItsAction) {
    ObjectRef timer(NewTimer());
    changeOnFiring = timer.get();
    modeAtThirdRun = 0;
    timerPeriodSetter(timer.get(), 0, 60);
    timerModeSetter(timer.get(), 0, 2);
    Pump(1200);
    EXPECT_EQ(firings.size(), 3u);
    EXPECT_EQ(timerModeGetter(timer.get(), 0), 0);
}

TEST_F(Timers, AShortPeriodHeldUpCatchesUpAtTheNextFiring) {
    ObjectRef timer(NewTimer());
    timerPeriodSetter(timer.get(), 0, 10);
    timerModeSetter(timer.get(), 0, 2);
    const uint32_t started = Fields(timer.get())->lastTime;
    Sleep(100);                                  // held up: no messages taken
    size_t ran = DispatchOneTimerMessage();
    const uint32_t fired = Fields(timer.get())->lastTime;   // the message's tick
    EXPECT_GE(ran, 10u);
    EXPECT_EQ(ran, (fired - started) / 10);
    EXPECT_EQ(timerModeGetter(timer.get(), 0), 2);
    EXPECT_TRUE(Fields(timer.get())->running) << "rearmed for the next period";
    timerModeSetter(timer.get(), 0, 0);
}

TEST_F(Timers, CatchUpStopsWhenTheActionChangesTheMode) {
    ObjectRef timer(NewTimer());
    changeOnFiring = timer.get();
    modeAtThirdRun = 0;
    timerPeriodSetter(timer.get(), 0, 10);
    timerModeSetter(timer.get(), 0, 2);
    Sleep(100);
    EXPECT_EQ(DispatchOneTimerMessage(), 3u);
    Pump(200);
    EXPECT_EQ(firings.size(), 3u);
}

TEST_F(Timers, CatchUpLeavesATimerRearmedByItsActionRunning) {
    ObjectRef timer(NewTimer());
    changeOnFiring = timer.get();
    modeAtThirdRun = 1;                          // restarts it as a single timer
    timerPeriodSetter(timer.get(), 0, 10);
    timerModeSetter(timer.get(), 0, 2);
    Sleep(100);
    EXPECT_EQ(DispatchOneTimerMessage(), 3u);
    EXPECT_TRUE(Fields(timer.get())->running);
    EXPECT_EQ(DispatchOneTimerMessage(), 1u) << "the single firing it was rearmed for";
    EXPECT_EQ(timerModeGetter(timer.get(), 0), 0);
}

TEST_F(Timers, PeriodSetterKeepsThePhaseOfARunningTimer) {
    ObjectRef timer(NewTimer());
    timerPeriodSetter(timer.get(), 0, 0);
    EXPECT_EQ(timerPeriodGetter(timer.get(), 0), 1);
    timerPeriodSetter(timer.get(), 0, -5);
    EXPECT_EQ(timerPeriodGetter(timer.get(), 0), 1);

    // Mode 1 with the default period, then 300 ms: it fires 300 ms after the
    // mode was set, not after the period was.
    timerPeriodSetter(timer.get(), 0, 1000);
    timerModeSetter(timer.get(), 0, 1);
    DWORD started = GetTickCount();
    Sleep(150);
    timerPeriodSetter(timer.get(), 0, 300);
    ASSERT_EQ(DispatchOneTimerMessage(), 1u);
    DWORD after = firings[0] - started;
    EXPECT_GE(after, 280u);
    EXPECT_LT(after, 440u) << "a restart with the full new period would fire at 450 ms";
}

TEST_F(Timers, AnOverduePeriodFiresAtOnceInSingleMode) {
    ObjectRef timer(NewTimer());
    timerModeSetter(timer.get(), 0, 1);
    Sleep(120);
    timerPeriodSetter(timer.get(), 0, 50);       // 70 ms overdue: fires in 1 ms
    DWORD set = GetTickCount();
    ASSERT_EQ(DispatchOneTimerMessage(), 1u);
    EXPECT_LT(firings[0] - set, 60u);
}

TEST_F(Timers, DestroyingARunningTimerStopsIt) {
    ObjectInstance* timer = NewTimer();
    timerPeriodSetter(timer, 0, 20);
    timerModeSetter(timer, 0, 2);
    UnlockObject(timer);
    Pump(200);
    EXPECT_TRUE(firings.empty());
}

// The message box's own modal loop dispatches the timer messages.
TEST_F(Timers, KeepFiringWhileAMessageBoxIsOpen) {
    ObjectRef timer(NewTimer());
    timerPeriodSetter(timer.get(), 0, 100);
    timerModeSetter(timer.get(), 0, 2);
    std::thread dismisser([] {
        HWND box = nullptr;
        for (int i = 0; i < 1000 && !box; i++, Sleep(10)) box = FindWindowA("#32770", "Message");
        Sleep(800);
        if (box) PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    StringRef text(NewStringFromText("Waiting"));
    RuntimeMsgBox(text.get());
    dismisser.join();
    timerModeSetter(timer.get(), 0, 0);
    EXPECT_GE(firings.size(), 4u);
}

} // namespace
