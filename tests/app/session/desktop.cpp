#include "desktop.h"

namespace desktop {
namespace {

struct Collect {
    DWORD processId;
    std::vector<HWND>* windows;
};

BOOL CALLBACK AddChild(HWND window, LPARAM parameter) {
    auto* windows = reinterpret_cast<std::vector<HWND>*>(parameter);
    if (IsWindowVisible(window)) windows->push_back(window);
    return TRUE;
}

BOOL CALLBACK AddTopLevel(HWND window, LPARAM parameter) {
    auto* collect = reinterpret_cast<Collect*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != collect->processId || !IsWindowVisible(window)) return TRUE;
    collect->windows->push_back(window);
    EnumChildWindows(window, AddChild, reinterpret_cast<LPARAM>(collect->windows));
    return TRUE;
}

std::vector<HWND> ChildrenOf(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(parent, AddChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

void SendMouse(DWORD flags, int x, int y) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

void SendKey(WORD key, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

} // namespace

std::string TextOf(HWND window) {
    char text[4096] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ClassOf(HWND window) {
    char name[128] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::vector<HWND> WindowsOf(DWORD processId) {
    std::vector<HWND> windows;
    Collect collect{processId, &windows};
    EnumWindows(AddTopLevel, reinterpret_cast<LPARAM>(&collect));
    return windows;
}

HWND WaitForWindow(DWORD processId, const std::string& title, DWORD timeoutMs) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(50))
        for (HWND window : WindowsOf(processId))
            if (TextOf(window) == title) return window;
    return nullptr;
}

bool WaitUntilGone(HWND window, DWORD timeoutMs) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(50))
        if (!IsWindow(window) || !IsWindowVisible(window)) return true;
    return false;
}

HWND ChildWithText(HWND parent, const std::string& text) {
    for (HWND child : ChildrenOf(parent))
        if (TextOf(child) == text) return child;
    return nullptr;
}

HWND ChildAt(HWND parent, int left, int top) {
    for (HWND child : ChildrenOf(parent)) {
        RECT r;
        GetWindowRect(child, &r);
        POINT corner{r.left, r.top};
        ScreenToClient(parent, &corner);
        if (corner.x == left && corner.y == top) return child;
    }
    return nullptr;
}

HWND WaitForChildWithText(HWND parent, const std::string& text, DWORD timeoutMs) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(50))
        if (HWND child = ChildWithText(parent, text)) return child;
    return nullptr;
}

bool HasFocus(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) && info.hwndFocus == window;
}

void ClickAt(HWND window, int x, int y) {
    POINT at{x, y};
    ClientToScreen(window, &at);
    SendMouse(MOUSEEVENTF_MOVE, at.x, at.y);
    SendMouse(MOUSEEVENTF_LEFTDOWN, at.x, at.y);
    SendMouse(MOUSEEVENTF_LEFTUP, at.x, at.y);
    Sleep(100);
}

void Click(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    ClickAt(window, r.right / 2, r.bottom / 2);
}

void Type(const std::string& text) {
    for (char c : text) {
        SHORT key = VkKeyScanA(c);
        bool shift = (key >> 8) & 1;
        if (shift) SendKey(VK_SHIFT, false);
        SendKey(LOBYTE(key), false);
        SendKey(LOBYTE(key), true);
        if (shift) SendKey(VK_SHIFT, true);
    }
    Sleep(100);
}

void TypeInto(HWND control, const std::string& text) {
    for (char c : text) {
        // the character alone: a posted key-down would be translated into a
        // second one by the program's loop
        UINT scan = MapVirtualKeyA(LOBYTE(VkKeyScanA(c)), 0);
        PostMessageA(control, WM_CHAR, static_cast<unsigned char>(c), 1 | scan << 16);
    }
    Sleep(200);
}

} // namespace desktop
