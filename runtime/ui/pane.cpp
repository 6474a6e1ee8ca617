// The pane base: what every pane does unless its kind does more.
#include "pane.h"
#include "controlbase.h"
#include "core/image.h"
#include "core/string.h"

namespace {

const char kInstanceProperty[] = "OBInstance";

} // namespace

Pane::Pane(ObjectInstance* control, RuntimeWindow* window, const Bounds& bounds)
    : control_(control), window_(window), bounds_(bounds) {}

Pane::~Pane() {}

void Pane::AttachWindow(HWND hwnd) {
    hwnd_ = hwnd;
    if (hwnd) SetPropA(hwnd, kInstanceProperty, this);
}

Pane* Pane::FromHandle(HWND hwnd) {
    return hwnd ? static_cast<Pane*>(GetPropA(hwnd, kInstanceProperty)) : nullptr;
}

void Pane::MoveTo(const Bounds& bounds) {
    bounds_ = bounds;
    if (hwnd_) MoveWindow(hwnd_, bounds.left, bounds.top, bounds.Width(), bounds.Height(), TRUE);
}

void Pane::ChangeState(int code) {
    for (Pane* child = firstChild_; child; child = child->nextSibling_) child->ChangeState(code);
    ApplyState(code);
}

void Pane::ApplyState(int code) {
    switch (code) {
    case kEnable: enabled = true; break;
    case kDisable: enabled = false; break;
    case kShow: visible = true; break;
    case kHide: visible = false; break;
    default: return;
    }
    if (!hwnd_) return;
    if (code == kEnable || code == kDisable) {
        EnableWindow(hwnd_, enabled);
        Invalidate();
    } else {
        ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
        shown = visible;
    }
}

void Pane::Invalidate() {
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void Pane::UpdateNow() {
    if (hwnd_) UpdateWindow(hwnd_);
}

void Pane::SetText(StringObject* text) {
    if (hwnd_) SetWindowTextA(hwnd_, StringText(text));
}

StringObject* Pane::GetText() {
    if (!hwnd_) return nullptr;
    int length = GetWindowTextLengthA(hwnd_);
    if (length <= 0) return nullptr;
    StringObject* text = NewBlankString(static_cast<uint32_t>(length));
    if (!text) return nullptr;
    GetWindowTextA(hwnd_, reinterpret_cast<char*>(WritableBytes(text)), length + 1);
    return text;
}

void Pane::SetFont(HFONT font) {
    if (hwnd_) SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

bool Pane::MouseDown(int, int, bool) { return false; }
void Pane::MouseDrag(int, int) {}
void Pane::MouseUp(int, int) {}
void Pane::MouseEnter() {}
void Pane::MouseMove(int, int) {}
void Pane::MouseExit() {}
void Pane::Paint(HDC) {}
void Pane::FocusChanged(bool) {}
LRESULT Pane::Notify(UINT, WPARAM, LPARAM) { return 0; }
bool Pane::KeepsArrowKeys() { return false; }
bool Pane::KeepsTab() { return false; }
bool Pane::TakesReturn() { return false; }
bool Pane::IsDefaultButton() { return false; }
bool Pane::IsCancelButton() { return false; }
void Pane::ActivateShortcut() {}
void Pane::Idle() {}
void Pane::EnableMenuItems() {}
bool Pane::HandleMenuCommand(ObjectInstance*) { return false; }
bool Pane::IsDrawn() { return false; }

void Pane::Close() {
    closing = true;
    if (hwnd_) {
        RemovePropA(hwnd_, kInstanceProperty);
        DestroyWindow(hwnd_);
    }
    hwnd_ = nullptr;
}

bool Pane::Contains(int x, int y) const {
    return x >= bounds_.left && x < bounds_.right && y >= bounds_.top && y < bounds_.bottom;
}

void Pane::AddChild(Pane* child) {
    child->parent_ = this;
    child->nextSibling_ = firstChild_;
    firstChild_ = child;
}

HWND ContentWindowOf(const RuntimeWindow* window) { return window ? window->hwnd : nullptr; }

HWND CreateDrawnPaneWindow(Pane* pane, DWORD extendedStyle) {
    const Bounds& b = pane->bounds();
    HWND hwnd = CreateWindowExA(extendedStyle, "OB_Pane", "", WS_CHILD | WS_VISIBLE, b.left, b.top,
                                b.Width(), b.Height(), ContentWindowOf(pane->window()), nullptr,
                                gInstance, nullptr);
    if (hwnd) SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(pane));
    pane->AttachWindow(hwnd);
    return hwnd;
}
