#include "msgboxwatcher.h"
#include <algorithm>

namespace {

constexpr int kMessageTextId = 0xFFFF;   // the static that holds a box's message

std::string WindowText(HWND window) {
    char text[4096] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

struct Search {
    DWORD processId;
    const std::vector<HWND>* answered;
    HWND found;
};

BOOL CALLBACK FindBox(HWND window, LPARAM parameter) {
    Search* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window) || ClassOf(window) != "#32770")
        return TRUE;
    if (std::find(search->answered->begin(), search->answered->end(), window) !=
        search->answered->end())
        return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK ReadChild(HWND child, LPARAM parameter) {
    SeenMessageBox* box = reinterpret_cast<SeenMessageBox*>(parameter);
    std::string kind = ClassOf(child);
    LONG style = GetWindowLongA(child, GWL_STYLE);
    if (kind == "Button") {
        box->buttons.push_back(WindowText(child));
        if ((style & 0x0F) == BS_DEFPUSHBUTTON) box->defaultButton = box->buttons.back();
    } else if (kind == "Static") {
        if ((style & SS_TYPEMASK) == SS_ICON) box->hasIcon = true;
        else if (GetDlgCtrlID(child) == kMessageTextId || box->text.empty())
            box->text = WindowText(child);
    }
    return TRUE;
}

} // namespace

MessageBoxWatcher::MessageBoxWatcher(DWORD processId)
    : processId_(processId), thread_(&MessageBoxWatcher::Watch, this) {}

MessageBoxWatcher::~MessageBoxWatcher() {
    stop_ = true;
    thread_.join();
}

void MessageBoxWatcher::Answer(std::initializer_list<int> buttonIds) {
    std::lock_guard<std::mutex> lock(mutex_);
    answers_.assign(buttonIds.begin(), buttonIds.end());
}

std::vector<SeenMessageBox> MessageBoxWatcher::Seen() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return seen_;
}

bool MessageBoxWatcher::WaitForBoxes(size_t count, DWORD timeoutMs) const {
    for (DWORD waited = 0; waited < timeoutMs; waited += 20) {
        if (Seen().size() >= count) return true;
        Sleep(20);
    }
    return Seen().size() >= count;
}

void MessageBoxWatcher::Watch() {
    while (!stop_) {
        if (!DismissOne()) Sleep(20);
    }
}

// Reads and answers one new box; false when there is none.
bool MessageBoxWatcher::DismissOne() {
    answered_.erase(std::remove_if(answered_.begin(), answered_.end(),
                                   [](HWND window) { return !IsWindow(window); }),
                    answered_.end());
    Search search{processId_, &answered_, nullptr};
    EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return false;
    Sleep(50);   // let the box finish laying out its controls

    SeenMessageBox box;
    box.caption = WindowText(search.found);
    EnumChildWindows(search.found, ReadChild, reinterpret_cast<LPARAM>(&box));
    int answer = IDOK;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        seen_.push_back(box);
        if (!answers_.empty()) {
            answer = answers_.front();
            answers_.pop_front();
        }
    }
    answered_.push_back(search.found);
    PostMessageA(search.found, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(search.found, answer)));
    return true;
}
