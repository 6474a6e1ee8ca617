// Answers the dialogs a session meets, from a thread of its own, so that
// no modal loop can hang the test: message boxes are read and confirmed,
// save dialogs get the next planned file name (or are cancelled).
#pragma once
#include <windows.h>
#include <atomic>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct SeenSaveDialog {
    std::string defaultName;   // the file name the dialog offered
    std::string answer;        // the path typed, or "" when cancelled
};

class DialogAnswerer {
public:
    explicit DialogAnswerer(DWORD processId);
    ~DialogAnswerer();
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    // The answers of the next save dialogs, in order: a full path, or ""
    // to cancel.
    void PlanSaves(const std::vector<std::string>& paths);

    std::vector<std::string> Messages() const;
    std::vector<SeenSaveDialog> Saves() const;
    bool WaitForMessages(size_t count, DWORD timeoutMs = 60000) const;

private:
    void Watch();
    bool AnswerOne();
    void AnswerMessageBox(HWND box);
    void AnswerSaveDialog(HWND dialog, HWND nameField);

    DWORD processId_;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<HWND> answered_;
    std::deque<std::string> saves_;
    std::vector<std::string> messages_;
    std::vector<SeenSaveDialog> seenSaves_;
    std::thread thread_;
};
