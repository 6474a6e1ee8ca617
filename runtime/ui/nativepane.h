// Native panes: a pane that wraps a child window of a system window class
// ("BUTTON", "msctls_progress32", "RichEdit"). The child window is subclassed
// so that its messages pass the pane first, and the pane keeps the font it
// was given until it closes.
#pragma once
#include "pane.h"

class NativePane : public Pane {
public:
    NativePane(ObjectInstance* control, RuntimeWindow* window, const Bounds& bounds);

    // Creates the child window at the pane's bounds with WS_CHILD | WS_VISIBLE
    // and the class's own styles, and subclasses it; false when it could not
    // be made.
    bool Create(const char* windowClass, StringObject* text, DWORD style, DWORD extendedStyle = 0);

    // Takes over one use of the font (fonts.h), releasing the one it held.
    void SetFont(HFONT font) override;
    void Close() override;

protected:
    // A message of the native window; the default passes it to the control.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT CallNative(UINT message, WPARAM wParam, LPARAM lParam);
    // Client coordinates of the pane's own window, from a mouse message.
    static POINT PointOf(LPARAM lParam);

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    WNDPROC native_ = nullptr;
    HFONT font_ = nullptr;
};
