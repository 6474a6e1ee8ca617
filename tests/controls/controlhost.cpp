// The control host.
#include "controlhost.h"
#include "core/compiledcalls.h"
#include "core/periodictasks.h"
#include "core/string.h"
#include "ui/keyboard.h"
#include <string>
#include <vector>

extern "C" void RuntimeInit(const uint32_t* classList);

namespace {

void AppendText(std::string& bytes, const std::string& text) {
    bytes += char(text.size());   // lengths below 64 are one byte
    bytes += text;
}

// Project item 1: a picture of 16 x 16 red pixels, 24 bits a pixel.
struct PictureItem {
    uint32_t kind = 1;
    uint32_t transparent = 0;
    BITMAPINFOHEADER header = {sizeof(BITMAPINFOHEADER), kTestPictureSize, kTestPictureSize, 1, 24};
    uint8_t pixels[kTestPictureSize * kTestPictureSize * 3];
    PictureItem() {
        for (int i = 0; i < kTestPictureSize * kTestPictureSize; i++) {
            pixels[3 * i] = 0;            // blue
            pixels[3 * i + 1] = 0;        // green
            pixels[3 * i + 2] = 0xFF;     // red
        }
    }
};

void AppendRecord(std::string& bytes, const char* text, const char* name) {
    bytes += char(0);                               // kind: a normal item
    AppendText(bytes, text);
    AppendText(bytes, name);
    bytes += std::string("\x80\x80\x80\x80\x10", 5);   // index 0x80000000: none
    bytes += std::string(3, '\0');                 // command key, balloon helps
    bytes += std::string(2, '\0');                 // unused byte, no submenu
    bytes += char(1);                               // class index: MenuItem
}

// Project item 2: an Edit menu with the four items an edit field serves.
const uint32_t* MenuBarItem() {
    std::string bytes(1, char(1));                  // one menu
    AppendRecord(bytes, "Edit", "");
    bytes += char(4);
    AppendRecord(bytes, "Cut", "EditCut");
    AppendRecord(bytes, "Copy", "EditCopy");
    AppendRecord(bytes, "Paste", "EditPaste");
    AppendRecord(bytes, "Clear", "EditClear");
    static uint32_t item[64];
    item[0] = 2;
    item[1] = uint32_t(bytes.size());
    memcpy(&item[2], bytes.data(), bytes.size());
    return item;
}

// A class list of the class references "Window" and "MenuItem", then the
// picture and the menu bar.
void StartRuntimeOnce() {
    static bool started;
    if (started) return;
    started = true;
    static PictureItem picture;
    static uint32_t windowReference[2] = {1, reinterpret_cast<uint32_t>(NewStringFromText("Window"))};
    static uint32_t menuItemReference[2] = {1, reinterpret_cast<uint32_t>(NewStringFromText("MenuItem"))};
    static uint32_t classList[] = {2, reinterpret_cast<uint32_t>(windowReference),
                                   reinterpret_cast<uint32_t>(menuItemReference), 2,
                                   reinterpret_cast<uint32_t>(&picture), 0};
    classList[5] = reinterpret_cast<uint32_t>(MenuBarItem());
    RuntimeInit(classList);
}

// A description of a visible window of class 0 with the given content size.
std::vector<uint8_t> WindowDescription(int width, int height) {
    const std::pair<std::string, std::string> pairs[] = {
        {"Title", "Controls"}, {"Width", std::to_string(width)}, {"Height", std::to_string(height)},
        {"Placement", "5"},  // not moved: top-left of the screen
    };
    std::string body;
    body += char(sizeof pairs / sizeof pairs[0]);
    body += char(0);                       // class index
    for (const auto& pair : pairs) {
        AppendText(body, pair.first);
        AppendText(body, pair.second);
    }
    body += char(0);                       // no controls
    body += char(0);                       // no bindings
    std::vector<uint8_t> description(4 + body.size());
    uint32_t length = uint32_t(body.size());
    memcpy(description.data(), &length, 4);
    memcpy(description.data() + 4, body.data(), body.size());
    return description;
}

} // namespace

ControlHost::ControlHost(int width, int height) {
    StartRuntimeOnce();
    std::vector<uint8_t> description = WindowDescription(width, height);
    object_ = RuntimeCreateWindow(description.data(), nullptr);
    window_ = RuntimeWindowOf(object_);
    RuntimeShowWindow(object_);
    SetForegroundWindow(hwnd());
    Pump(100);
}

ControlHost::~ControlHost() {
    CloseWindow();
    for (int i = 0; i < count_; i++) UnlockObject(controls_[i]);
    UnlockObject(object_);
    Pump(20);
}

ObjectInstance* ControlHost::New(ClassRecord* cls, int left, int top, int width, int height) {
    ObjectInstance* control = NewInstance(cls);
    RectControlFields* rect = AsRectControl(control);
    rect->control.runtimeWindow = window_;
    rect->control.window = object_;
    rect->control.index = kNoIndex;
    rect->visible = rect->enabled = 1;
    rect->bounds = Bounds{int16_t(top), int16_t(left), int16_t(top + height), int16_t(left + width)};
    controls_[count_++] = control;
    return control;
}

void ControlHost::CreatePane(ObjectInstance* control) {
    uint32_t code = FindEventHandler(control, ControlEventDeclaration(ControlEvent::CreatePane));
    if (code) CallCompiled(code, control);
    Pump(50);
}

// The window releases the panes of the controls it knows; the host's own
// controls lose theirs here.
void ControlHost::CloseWindow() {
    if (!window_) return;
    RuntimeCloseWindow(object_);
    window_ = nullptr;
    for (int i = 0; i < count_; i++) {
        AsControl(controls_[i])->pane = nullptr;
        AsControl(controls_[i])->runtimeWindow = nullptr;
    }
}

void ControlHost::Pump(DWORD milliseconds) {
    DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (PreprocessKey(&message)) continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        RunDuePeriodicTasks();
        Sleep(5);
    } while (GetTickCount() - start < milliseconds);
}

namespace {

void SendInputs(INPUT* inputs, UINT count) {
    SendInput(count, inputs, sizeof(INPUT));
    ControlHost::Pump(60);
}

INPUT Key(WORD key, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

} // namespace

void ClickAt(HWND window, int x, int y) {
    POINT at = {x, y};
    ClientToScreen(window, &at);
    SetCursorPos(at.x, at.y);
    ControlHost::Pump(30);
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInputs(inputs, 2);
    ControlHost::Pump(300);   // no double click with the next one
}

void DragFrom(HWND window, int x, int y, int toX, int toY) {
    POINT from = {x, y}, to = {toX, toY};
    ClientToScreen(window, &from);
    ClientToScreen(window, &to);
    SetCursorPos(from.x, from.y);
    ControlHost::Pump(30);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    SendInputs(&input, 1);
    SetCursorPos((from.x + to.x) / 2, (from.y + to.y) / 2);
    ControlHost::Pump(60);
    SetCursorPos(to.x, to.y);
    ControlHost::Pump(60);
    input.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInputs(&input, 1);
    ControlHost::Pump(300);
}

void PressKey(WORD virtualKey, WORD modifier) {
    INPUT inputs[4];
    UINT n = 0;
    if (modifier) inputs[n++] = Key(modifier, false);
    inputs[n++] = Key(virtualKey, false);
    inputs[n++] = Key(virtualKey, true);
    if (modifier) inputs[n++] = Key(modifier, true);
    SendInputs(inputs, n);
}

void TypeText(const char* text) {
    for (; *text; text++) {
        SHORT key = VkKeyScanA(*text);
        PressKey(LOBYTE(key), (key & 0x100) ? VK_SHIFT : 0);
    }
}
