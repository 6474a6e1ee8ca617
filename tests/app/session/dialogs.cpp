#include "dialogs.h"
#include "desktop.h"
#include <algorithm>

namespace {

constexpr int kMessageTextId = 0xFFFF;   // the static that holds a box's message
constexpr int kFileNameCombo = 1148;     // cmb13 of the explorer-style dialog
constexpr int kFileNameEdit = 1152;      // edt1 of the old-style dialog

HWND FileNameField(HWND dialog) {
    if (HWND combo = GetDlgItem(dialog, kFileNameCombo)) {
        HWND edit = FindWindowExA(combo, nullptr, "Edit", nullptr);
        return edit ? edit : combo;
    }
    return GetDlgItem(dialog, kFileNameEdit);
}

void Press(HWND dialog, int button) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

} // namespace

DialogAnswerer::DialogAnswerer(DWORD processId)
    : processId_(processId), thread_(&DialogAnswerer::Watch, this) {}

DialogAnswerer::~DialogAnswerer() {
    stop_ = true;
    thread_.join();
}

void DialogAnswerer::PlanSaves(const std::vector<std::string>& paths) {
    std::lock_guard<std::mutex> lock(mutex_);
    saves_.assign(paths.begin(), paths.end());
}

std::vector<std::string> DialogAnswerer::Messages() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return messages_;
}

std::vector<SeenSaveDialog> DialogAnswerer::Saves() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return seenSaves_;
}

bool DialogAnswerer::WaitForMessages(size_t count, DWORD timeoutMs) const {
    for (DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(50))
        if (Messages().size() >= count) return true;
    return false;
}

void DialogAnswerer::Watch() {
    while (!stop_)
        if (!AnswerOne()) Sleep(20);
}

bool DialogAnswerer::AnswerOne() {
    answered_.erase(std::remove_if(answered_.begin(), answered_.end(), [](HWND w) { return !IsWindow(w); }),
                    answered_.end());
    for (HWND window : desktop::WindowsOf(processId_)) {
        if (desktop::ClassOf(window) != "#32770") continue;
        if (std::find(answered_.begin(), answered_.end(), window) != answered_.end()) continue;
        Sleep(100);   // let the dialog finish laying out its controls
        answered_.push_back(window);
        if (HWND field = FileNameField(window)) AnswerSaveDialog(window, field);
        else AnswerMessageBox(window);
        return true;
    }
    return false;
}

// Confirms the box: OK, or Yes when it asks (the dialog's replace question).
void DialogAnswerer::AnswerMessageBox(HWND box) {
    HWND text = GetDlgItem(box, kMessageTextId);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        messages_.push_back(text ? desktop::TextOf(text) : desktop::TextOf(box));
    }
    Press(box, GetDlgItem(box, IDYES) ? IDYES : IDOK);
}

void DialogAnswerer::AnswerSaveDialog(HWND dialog, HWND nameField) {
    SeenSaveDialog seen;
    // The field belongs to another process: GetWindowText would give only
    // its caption, so the text is asked for with the message itself.
    char name[MAX_PATH] = "";
    SendMessageTimeoutA(nameField, WM_GETTEXT, sizeof name, reinterpret_cast<LPARAM>(name),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
    seen.defaultName = name;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!saves_.empty()) {
            seen.answer = saves_.front();
            saves_.pop_front();
        }
        seenSaves_.push_back(seen);
    }
    if (seen.answer.empty()) {
        Press(dialog, IDCANCEL);
        return;
    }
    SendMessageA(nameField, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(seen.answer.c_str()));
    Press(dialog, IDOK);
}
