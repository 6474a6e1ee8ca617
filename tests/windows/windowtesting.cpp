#include "windowtesting.h"
#include "ui/controlbase.h"
#include "ui/eventloop.h"
#include "ui/pane.h"
#include "ui/uistate.h"
#include "core/properties.h"
#include "core/string.h"
#include <gtest/gtest.h>
#include <atomic>
#include <thread>

std::string gPaneLog;

namespace {

// A drawn pane that takes presses and logs them.
class TestPane : public Pane {
public:
    using Pane::Pane;
    bool IsDrawn() override { return true; }
    bool MouseDown(int x, int y, bool) override {
        gPaneLog += Name() + ":down(" + std::to_string(x) + "," + std::to_string(y) + ") ";
        return true;
    }
    void MouseUp(int, int) override { gPaneLog += Name() + ":up "; }
    void Paint(HDC dc) override {
        RECT r{bounds().left, bounds().top, bounds().right, bounds().bottom};
        FillRect(dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
    }
    std::string Name() { return StringText(AsControl(control())->name); }
};

void CreateTestPane(ObjectInstance* control) {
    ControlFields* c = AsControl(control);
    TestPane* pane = new TestPane(control, c->runtimeWindow, AsRectControl(control)->bounds);
    CreateDrawnPaneWindow(pane);
    AddPane(c->runtimeWindow, pane);
    c->pane = pane;
}

// Left, Top, Width, Height of the test control (parameter 0 to 3).
void SetPosition(ObjectInstance* control, uint32_t which, int32_t value) {
    Bounds& b = AsRectControl(control)->bounds;
    int16_t v = static_cast<int16_t>(value);
    if (which == 0) b.right = static_cast<int16_t>(b.right + v - b.left), b.left = v;
    if (which == 1) b.bottom = static_cast<int16_t>(b.bottom + v - b.top), b.top = v;
    if (which == 2) b.right = static_cast<int16_t>(b.left + v);
    if (which == 3) b.bottom = static_cast<int16_t>(b.top + v);
}

void RegisterTestControl() {
    static bool registered;
    if (registered) return;
    registered = true;
    RegisterControlBaseClasses();
    ClassRecord* cls = RegisterBuiltinClass("TestControl", RectControlClass(), kRectControlSize);
    using P = PropertyType;
    AddProperty(cls, "Name", P::String, FieldGetterFor(P::String), FieldSetterFor(P::String), 28);
    AddProperty(cls, "Index", P::Integer, FieldGetterFor(P::Integer), FieldSetterFor(P::Integer), 32);
    const char* const positions[] = {"Left", "Top", "Width", "Height"};
    for (uint32_t i = 0; i < 4; i++)
        AddProperty(cls, positions[i], P::Integer, 0, reinterpret_cast<uint32_t>(&SetPosition), i);
    const char* const locks[] = {"LockLeft", "LockTop", "LockRight", "LockBottom"};
    for (uint32_t i = 0; i < 4; i++)
        AddProperty(cls, locks[i], P::Boolean, FieldGetterFor(P::Boolean), FieldSetterFor(P::Boolean), 67 + i);
    AddBuiltinHandler(cls, "CreatePane", &CreateTestPane);
}

} // namespace

WindowImage::WindowImage(const std::string& mode) : image_("windows_" + mode, mode) {
    RegisterTestControl();
    EXPECT_TRUE(image_.Load());
    ClearLog();
    gPaneLog.clear();
}

std::string WindowImage::Log() const { return image_.Data<char[2048]>("eventLog"); }
void WindowImage::ClearLog() { image_.Data<char[2048]>("eventLog")[0] = 0; }

ObjectInstance* WindowImage::Create(const char* label, ObjectInstance** slot) {
    return RuntimeCreateWindow(image_[label], slot);
}

HWND HandleOf(ObjectInstance* window) {
    RuntimeWindow* rw = RuntimeWindowOf(window);
    return rw ? rw->hwnd : nullptr;
}

void RunLoopFor(int ms, const std::function<bool()>& done) {
    DWORD start = GetTickCount();
    while (static_cast<int>(GetTickCount() - start) < ms && !gUI.quit) {
        if (done && done()) return;
        // A message to take, so that the iteration does not wait.
        PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
        RunLoopIteration();
    }
}

POINT ContentOrigin(HWND hwnd) {
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    return origin;
}

bool RunLoopWithDriver(const std::function<void()>& driver, int timeoutMs) {
    DWORD loopThread = GetCurrentThreadId();
    std::atomic<bool> finished{false}, forced{false};
    std::thread drive([&] { driver(); });
    std::thread watchdog([&] {
        for (int waited = 0; waited < timeoutMs && !finished; waited += 50) Sleep(50);
        if (!finished) {
            forced = true;
            PostThreadMessageA(loopThread, WM_QUIT, 0, 0);
        }
    });
    RuntimeRun();
    finished = true;
    drive.join();
    watchdog.join();
    return !forced;
}
