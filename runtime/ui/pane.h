// Panes: the on-screen part of a control, a child window of the control's
// window. Native panes wrap a Windows control; drawn panes are windows of the
// runtime's class "OB_Pane" that the runtime paints. The window machinery
// talks to every pane through this base; the standard controls and the
// plug-in host derive their panes from it.
//
// Messages reach a pane like this:
// - WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_HSCROLL, WM_VSCROLL that the
//   parent window receives from a child window are handed to the pane stored
//   under the child's window property "OBInstance" (Notify).
// - A mouse button press anywhere in the window, drawn panes included, is
//   offered to the window's drawn panes that contain the point and are
//   enabled and visible, front-most first (MouseDown); the first that takes
//   it becomes the capture target and gets MouseDrag and MouseUp.
// - The pointer crossing panes gives MouseEnter, MouseMove, MouseExit.
// - An "OB_Pane" window's WM_PAINT calls Paint.
// - Focus changes of a pane's native window call FocusChanged.
// Coordinates handed to a pane are client coordinates of its window.
#pragma once
#include "window.h"

class Pane {
public:
    // State codes of ChangeState.
    enum State { kEnable = 5, kDisable = 6, kShow = 7, kHide = 8 };

    Pane(ObjectInstance* control, RuntimeWindow* window, const Bounds& bounds);
    virtual ~Pane();

    // --- operations the controls rely on ---
    // Moves the native window to new bounds and redraws.
    virtual void MoveTo(const Bounds& bounds);
    // Passes the state change to the child panes, then applies it here.
    void ChangeState(int code);
    virtual void Invalidate();
    virtual void UpdateNow();
    virtual void SetText(StringObject* text);      // lent
    virtual StringObject* GetText();                // a new reference; the window text by default
    virtual void SetFont(HFONT font);               // WM_SETFONT by default

    // --- what the window hands a pane (client coordinates of the window) ---
    // True when the pane takes the press: it becomes the capture target.
    virtual bool MouseDown(int x, int y, bool rightButton);
    virtual void MouseDrag(int x, int y);
    virtual void MouseUp(int x, int y);
    virtual void MouseEnter();
    virtual void MouseMove(int x, int y);
    virtual void MouseExit();
    virtual void Paint(HDC dc);                     // drawn panes
    virtual void FocusChanged(bool gained);
    // A notification message from the native window (WM_COMMAND: code is the
    // notification code, HIWORD(wParam)); returns the message's result.
    virtual LRESULT Notify(UINT message, WPARAM wParam, LPARAM lParam);
    // Keyboard pre-processing asks the focus pane these.
    virtual bool KeepsArrowKeys();                  // rich-edit, tab control, scroll bar, slider
    virtual bool KeepsTab();                        // a rich-edit field that accepts tabs
    virtual bool TakesReturn();
    // Return and Escape push the window's default and cancel buttons; a
    // shortcut (a mnemonic) activates its pane when it is enabled and visible.
    virtual bool IsDefaultButton();
    virtual bool IsCancelButton();
    virtual void ActivateShortcut();                // push, or fire AcceleratorKey
    // The focus pane's share of the loop's idle work and of the menus.
    virtual void Idle();
    virtual void EnableMenuItems();
    virtual bool HandleMenuCommand(ObjectInstance* menuItem);   // true: handled
    // A drawn pane takes part in the window's hit testing.
    virtual bool IsDrawn();

    // Destroys the native window and releases what the pane holds; the
    // window removes the pane from its list and deletes it afterwards.
    virtual void Close();

    // The native window and the property "OBInstance" that points back here.
    HWND hwnd() const { return hwnd_; }
    void AttachWindow(HWND hwnd);
    static Pane* FromHandle(HWND hwnd);

    ObjectInstance* control() const { return control_; }   // not locked: the control owns the pane
    RuntimeWindow* window() const { return window_; }
    const Bounds& bounds() const { return bounds_; }
    bool Contains(int x, int y) const;

    // Child panes (a pane inside a canvas): state changes go to them first.
    void AddChild(Pane* child);
    Pane* parent() const { return parent_; }

    // The window's pane list (window.h: AddPane, RemovePane).
    Pane* nextInWindow = nullptr;

    bool visible = true;       // wanted visible
    bool shown = true;         // its native window is showing
    bool enabled = true;
    bool active = true;        // its window is active
    bool closing = false;
    bool autoDeactivate = false;

protected:
    // Applies a state code to this pane alone: shows, hides, enables or
    // disables the native window and redraws.
    virtual void ApplyState(int code);

    ObjectInstance* control_;
    RuntimeWindow* window_;
    Bounds bounds_;
    HWND hwnd_ = nullptr;
    Pane* parent_ = nullptr;
    Pane* firstChild_ = nullptr;
    Pane* nextSibling_ = nullptr;
};

// Creates a child window of the runtime's class "OB_Pane" at the bounds, in
// the runtime window's content area, with WS_CHILD | WS_VISIBLE and the given
// extended style; its window data points at the pane.
HWND CreateDrawnPaneWindow(Pane* pane, DWORD extendedStyle = 0);
// The content window that panes are children of: the window itself.
HWND ContentWindowOf(const RuntimeWindow* window);
