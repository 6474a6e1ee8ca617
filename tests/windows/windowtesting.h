// What the window tests share: the fixture images, a test control with a
// drawn pane, and ways to run the loop while messages are posted.
#pragma once
#include "imagefixture.h"
#include "ui/window.h"
#include <functional>
#include <string>

// Loads the fixture image ("single" or "mdi"), its log cleared.
class WindowImage {
public:
    explicit WindowImage(const std::string& mode);
    ImageFixture& image() { return image_; }
    std::string Log() const;
    void ClearLog();
    template <typename T> T& Global(const char* name) { return image_.Data<T>(name); }
    // RuntimeCreateWindow of the description with that label, no slot.
    ObjectInstance* Create(const char* label, ObjectInstance** slot = nullptr);

private:
    ImageFixture image_;
};

HWND HandleOf(ObjectInstance* window);

// Runs loop iterations for about ms milliseconds, or until done() holds.
void RunLoopFor(int ms, const std::function<bool()>& done = nullptr);

// The client area's top-left corner on the screen.
POINT ContentOrigin(HWND hwnd);

// Runs RuntimeRun on this thread while driver() runs on another; the driver
// gets the loop's thread id. False when the loop had to be ended by force
// after timeoutMs.
bool RunLoopWithDriver(const std::function<void()>& driver, int timeoutMs = 20000);

// The log lines the test control's panes write.
extern std::string gPaneLog;
