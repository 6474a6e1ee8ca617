// Native panes and their subclassing.
#include "nativepane.h"
#include "fonts.h"
#include "core/image.h"
#include "core/string.h"

namespace {

// The system class's own procedure, kept with the window itself: it is still
// needed after the pane has let go of the window (the last messages of its
// destruction).
const char kNativeProcedure[] = "OBNativeProc";

WNDPROC NativeProcedureOf(HWND hwnd) { return reinterpret_cast<WNDPROC>(GetPropA(hwnd, kNativeProcedure)); }

} // namespace

NativePane::NativePane(ObjectInstance* control, RuntimeWindow* window, const Bounds& bounds)
    : Pane(control, window, bounds) {}

bool NativePane::Create(const char* windowClass, StringObject* text, DWORD style,
                        DWORD extendedStyle) {
    HWND hwnd = CreateWindowExA(extendedStyle, windowClass, StringText(text),
                                WS_CHILD | WS_VISIBLE | style, bounds_.left, bounds_.top,
                                bounds_.Width(), bounds_.Height(), ContentWindowOf(window_),
                                nullptr, gInstance, nullptr);
    if (!hwnd) return false;
    AttachWindow(hwnd);
    native_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NativePane::Procedure)));
    SetPropA(hwnd, kNativeProcedure, reinterpret_cast<HANDLE>(native_));
    return true;
}

void NativePane::SetFont(HFONT font) {
    HFONT previous = font_;
    font_ = font;
    if (hwnd_) SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    ReleaseFont(previous);
}

void NativePane::Close() {
    Pane::Close();
    ReleaseFont(font_);
    font_ = nullptr;
}

LRESULT NativePane::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallNative(message, wParam, lParam);
}

LRESULT NativePane::CallNative(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(native_, hwnd_, message, wParam, lParam);
}

POINT NativePane::PointOf(LPARAM lParam) {
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

LRESULT CALLBACK NativePane::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    NativePane* pane = static_cast<NativePane*>(Pane::FromHandle(hwnd));
    if (message == WM_NCDESTROY || !pane || pane->hwnd_ != hwnd || pane->closing) {
        WNDPROC native = NativeProcedureOf(hwnd);
        if (!native) return DefWindowProcA(hwnd, message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(native));
            RemovePropA(hwnd, kNativeProcedure);
        }
        return CallWindowProcA(native, hwnd, message, wParam, lParam);
    }
    return pane->HandleMessage(message, wParam, lParam);
}
