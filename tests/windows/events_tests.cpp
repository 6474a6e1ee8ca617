// Window events driven by messages to the real window handles: the mouse
// with and without capture, presses on drawn panes, resizing with the
// control locks, keys, closing and quitting, and an idle loop.
#include "windowtesting.h"
#include "ui/controlbase.h"
#include "ui/pane.h"
#include "ui/uistate.h"
#include "core/string.h"
#include <gtest/gtest.h>
#include <atomic>
#include <map>
#include <thread>

namespace {

void Press(HWND hwnd, UINT down, UINT up, int x, int y, int dragX, int dragY) {
    SendMessageA(hwnd, down, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(dragX, dragY));
    SendMessageA(hwnd, up, 0, MAKELPARAM(dragX, dragY));
}

TEST(MouseEvents, MouseDownTrueCapturesFalseDoesNot) {
    struct Case {
        bool result;
        UINT down, up;
        const char* log;
    } const cases[] = {
        {true, WM_LBUTTONDOWN, WM_LBUTTONUP, "kind0:down(20,30) kind0:drag(25,35) kind0:up(25,35) "},
        {false, WM_LBUTTONDOWN, WM_LBUTTONUP, "kind0:down(20,30) "},
        {true, WM_RBUTTONDOWN, WM_RBUTTONUP, "kind0:down(20,30) kind0:drag(25,35) kind0:up(25,35) "},
        {false, WM_RBUTTONDOWN, WM_RBUTTONUP, "kind0:down(20,30) "},
    };
    WindowImage image("single");
    ObjectRef window(image.Create("Kind0Window"));
    RunLoopFor(200);
    HWND hwnd = HandleOf(window.get());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.log);
        image.ClearLog();
        image.Global<bool>("mouseDownResult") = c.result;
        Press(hwnd, c.down, c.up, 20, 30, 25, 35);
        EXPECT_EQ(c.log, image.Log());
        EXPECT_EQ(nullptr, gUI.captureWindow);
        EXPECT_EQ(nullptr, GetCapture());
    }
}

TEST(MouseEvents, PressOnADrawnPaneGoesToThePaneNotTheWindow) {
    WindowImage image("single");
    ObjectRef window(image.Create("LocksWindow"));
    RunLoopFor(200);
    HWND hwnd = HandleOf(window.get());
    image.ClearLog();
    // A press at window coordinates inside "fixed" (10, 70, 50 x 20), posted to the pane's own window.
    ObjectInstance* fixed = RuntimeControlFetch(window.get(), StringRef(NewStringFromText("FIXED")).get());
    ASSERT_TRUE(fixed);
    HWND paneHwnd = PaneOfControl(fixed)->hwnd();
    SendMessageA(paneHwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(15, 75));
    EXPECT_EQ("fixed:down(15,75) fixed:up ", gPaneLog);
    EXPECT_EQ("", image.Log());
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(250, 180));
    EXPECT_EQ("locks:down(250,180) ", image.Log()) << "outside every pane the window has it";
}

TEST(ResizeEvents, LockedControlsFollowTheNewSize) {
    WindowImage image("single");
    ObjectRef window(image.Create("LocksWindow"));
    RunLoopFor(200);
    HWND hwnd = HandleOf(window.get());
    image.ClearLog();
    std::map<std::string, Bounds> boundsBefore;
    for (const char* key : {"mover", "stretcher", "fixed", "b$0", "b$1"})
        boundsBefore[key] = AsRectControl(RuntimeControlFetch(window.get(), StringRef(NewStringFromText(key)).get()))->bounds;
    RECT frame, before, after;
    GetWindowRect(hwnd, &frame);
    GetClientRect(hwnd, &before);
    SetWindowPos(hwnd, nullptr, 0, 0, frame.right - frame.left + 20, frame.bottom - frame.top + 30,
                 SWP_NOMOVE | SWP_NOZORDER);
    GetClientRect(hwnd, &after);
    // The menu bar may take another line at the other width: dy is what the content got.
    const int dy = after.bottom - before.bottom;
    EXPECT_EQ(20, after.right - before.right);
    EXPECT_EQ("locks:resized ", image.Log());
    struct Expected {
        const char* key;
        int dLeft, dRight, dTop, dBottom;
    } const expected[] = {
        {"mover", 20, 20, 0, 0},          // locked right only: moves
        {"stretcher", 0, 20, 0, 0},       // locked left and right: widens
        {"fixed", 0, 0, 0, 0},            // no right or bottom lock: stays
        {"b$0", 0, 0, 0, dy},             // locked top and bottom: grows down
        {"b$1", 0, 0, 0, 0},              // no locks
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.key);
        ObjectInstance* control = RuntimeControlFetch(window.get(), StringRef(NewStringFromText(e.key)).get());
        ASSERT_TRUE(control);
        const Bounds& was = boundsBefore[e.key];
        const Bounds& now = AsRectControl(control)->bounds;
        EXPECT_EQ(was.left + e.dLeft, now.left);
        EXPECT_EQ(was.right + e.dRight, now.right);
        EXPECT_EQ(was.top + e.dTop, now.top);
        EXPECT_EQ(was.bottom + e.dBottom, now.bottom);
        RECT pane;
        GetWindowRect(PaneOfControl(control)->hwnd(), &pane);
        MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&pane), 2);
        EXPECT_EQ(now.left, pane.left);
        EXPECT_EQ(now.right, pane.right);
        EXPECT_EQ(now.bottom, pane.bottom);
    }
    EXPECT_EQ(320, AsWindow(window.get())->bounds.Width());
}

TEST(ResizeEvents, DraggedFrameStaysWithinTheSizeLimits) {
    WindowImage image("single");
    ObjectRef window(image.Create("LocksWindow"));
    HWND hwnd = HandleOf(window.get());
    RECT frame;
    GetWindowRect(hwnd, &frame);
    RECT client;
    GetClientRect(hwnd, &client);
    int borderX = (frame.right - frame.left) - client.right, borderY = (frame.bottom - frame.top) - client.bottom;
    RECT tooSmall{100, 100, 150, 150};
    SendMessageA(hwnd, WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&tooSmall));
    EXPECT_EQ(200 + borderX, tooSmall.right - tooSmall.left);
    EXPECT_EQ(150 + borderY, tooSmall.bottom - tooSmall.top);
    EXPECT_EQ(100, tooSmall.left);
    RECT tooBig{100, 100, 900, 900};
    SendMessageA(hwnd, WM_SIZING, WMSZ_TOPLEFT, reinterpret_cast<LPARAM>(&tooBig));
    EXPECT_EQ(400 + borderX, tooBig.right - tooBig.left);
    EXPECT_EQ(300 + borderY, tooBig.bottom - tooBig.top);
    EXPECT_EQ(900, tooBig.right) << "dragging the top-left corner keeps the bottom-right one";
}

TEST(KeyEvents, CharacterReachesKeyDown) {
    WindowImage image("single");
    ObjectRef window(image.Create("Kind0Window"));
    PostMessageA(HandleOf(window.get()), WM_CHAR, 'k', 0);
    RunLoopFor(300, [&] { return !image.Log().empty() && image.Log() != "kind0:open "; });
    EXPECT_EQ("kind0:open kind0:key=k ", image.Log());
}

TEST(Quitting, CancelCloseStopsApplicationQuit) {
    WindowImage image("single");
    ObjectRef first(image.Create("Kind0Window"));
    ObjectRef second(image.Create("Kind2Window"));
    image.ClearLog();
    image.Global<bool>("refuseClose") = true;
    // "q" makes the KeyDown handler call ApplicationQuit.
    SendMessageA(HandleOf(first.get()), WM_CHAR, 'q', 0);
    EXPECT_EQ("quit<kind2:refuse >after ", image.Log());
    EXPECT_TRUE(HandleOf(first.get()) && HandleOf(second.get()));
    EXPECT_FALSE(gUI.quit);

    image.ClearLog();
    image.Global<bool>("refuseClose") = false;
    SendMessageA(HandleOf(first.get()), WM_CHAR, 'q', 0);
    EXPECT_EQ("quit<kind2:agree kind0:agree app:close kind2:close kind0:close >after ", image.Log());
    EXPECT_EQ(nullptr, FirstRuntimeWindow());
    EXPECT_TRUE(gUI.quit);
}

TEST(Quitting, UserClosingWindowAsksCancelClose) {
    WindowImage image("single");
    ObjectRef window(image.Create("Kind0Window"));
    image.ClearLog();
    image.Global<bool>("refuseClose") = true;
    SendMessageA(HandleOf(window.get()), WM_CLOSE, 0, 0);
    EXPECT_EQ("kind0:refuse ", image.Log());
    EXPECT_TRUE(HandleOf(window.get()));
}

TEST(Quitting, ClosingTheLastWindowEndsTheLoopOutsideMdiMode) {
    WindowImage image("single");
    ObjectRef window(image.Create("Kind0Window"));
    HWND hwnd = HandleOf(window.get());
    image.ClearLog();
    EXPECT_TRUE(RunLoopWithDriver([hwnd] {
        Sleep(300);
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
    }));
    EXPECT_EQ("kind0:agree kind0:close ", image.Log());
}

TEST(Quitting, ClosingEveryDocumentKeepsMdiModeRunningUntilTheFrameCloses) {
    WindowImage image("mdi");
    ObjectRef window(image.Create("Kind0Window"));
    HWND hwnd = HandleOf(window.get());
    HWND frame = gUI.frame;
    std::atomic<bool> closedDocument{false}, stillRunning{false};
    EXPECT_TRUE(RunLoopWithDriver([&] {
        Sleep(300);
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
        Sleep(700);
        stillRunning = IsWindow(frame) && !IsWindow(hwnd);
        PostMessageA(frame, WM_CLOSE, 0, 0);
    }));
    EXPECT_TRUE(stillRunning);
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_EQ("kind0:open kind0:agree kind0:close app:close ", image.Log());
}

TEST(Quitting, ClosingTheFrameRunsTheQuitSequence) {
    WindowImage image("mdi");
    ObjectRef window(image.Create("Kind0Window"));
    image.ClearLog();
    image.Global<bool>("refuseClose") = true;
    SendMessageA(gUI.frame, WM_CLOSE, 0, 0);
    EXPECT_EQ("kind0:refuse ", image.Log());
    EXPECT_TRUE(IsWindow(gUI.frame));
    image.Global<bool>("refuseClose") = false;
    SendMessageA(gUI.frame, WM_CLOSE, 0, 0);
    EXPECT_EQ("kind0:refuse kind0:agree app:close kind0:close ", image.Log());
    EXPECT_TRUE(gUI.quit);
}

// An idle loop waits for messages: over two seconds it uses almost no time
// of its own (the bound is loose for the emulator).
TEST(EventLoop, IdleLoopWaitsInsteadOfSpinning) {
    WindowImage image("single");
    ObjectRef window(image.Create("Kind0Window"));
    HWND hwnd = HandleOf(window.get());
    FILETIME created, exited, kernelBefore, userBefore, kernelAfter, userAfter;
    HANDLE thread = GetCurrentThread();
    GetThreadTimes(thread, &created, &exited, &kernelBefore, &userBefore);
    EXPECT_TRUE(RunLoopWithDriver([hwnd] {
        Sleep(2000);
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
    }));
    GetThreadTimes(thread, &created, &exited, &kernelAfter, &userAfter);
    auto ms = [](const FILETIME& t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000;
    };
    double used = ms(userAfter) - ms(userBefore) + ms(kernelAfter) - ms(kernelBefore);
    EXPECT_LT(used, 400) << "the loop thread used " << used << " ms in 2 s";
}

} // namespace
