// Watches for message boxes (dialog windows of class #32770) of one process,
// reads what they say and dismisses them from its own thread, so that a test
// never hangs on a modal loop.
#pragma once
#include <windows.h>
#include <mutex>
#include <string>
#include <thread>
#include <vector>
#include <atomic>
#include <deque>

struct SeenMessageBox {
    std::string caption;
    std::string text;
    std::vector<std::string> buttons;   // the button texts, in window order
    std::string defaultButton;          // the text of the default push button
    bool hasIcon = false;
};

class MessageBoxWatcher {
public:
    // Watches the given process (this one by default) from now on.
    explicit MessageBoxWatcher(DWORD processId = GetCurrentProcessId());
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    // The buttons to press, one per box in order (IDOK, IDCANCEL, ...); once
    // they are used up every further box is answered with IDOK.
    void Answer(std::initializer_list<int> buttonIds);

    std::vector<SeenMessageBox> Seen() const;
    // Waits until at least count boxes have been seen, up to timeoutMs.
    bool WaitForBoxes(size_t count, DWORD timeoutMs = 20000) const;

private:
    void Watch();
    bool DismissOne();

    DWORD processId_;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<SeenMessageBox> seen_;
    std::deque<int> answers_;
    std::vector<HWND> answered_;
    std::thread thread_;
};
