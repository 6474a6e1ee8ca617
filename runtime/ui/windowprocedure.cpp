// The window procedures of "OBWindow", "OB_MDICHILD" and "OB_Pane": which
// messages become which events.
#include "windowprocedure.h"
#include "windowinput.h"
#include "windowops.h"
#include "windowevents.h"
#include "windowlist.h"
#include "menucommands.h"
#include "pane.h"
#include "uistate.h"
#include "applicationevents.h"
#include "core/string.h"
#include <windowsx.h>

namespace {

LRESULT DefaultFor(RuntimeWindow* window, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window ? window->mdiChild : (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_MDICHILD))
        return DefMDIChildProcA(hwnd, message, wParam, lParam);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// Notifications of native controls go to the pane of the child window.
bool ForwardToPane(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    HWND child = nullptr;
    if (message == WM_NOTIFY) child = reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
    else if (message == WM_DRAWITEM) child = reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem;
    else child = reinterpret_cast<HWND>(lParam);
    Pane* pane = Pane::FromHandle(child);
    if (!child || !pane) return false;
    *result = pane->Notify(message, wParam, lParam);
    return true;
}

void Activate(RuntimeWindow* window, bool active) {
    window->active = active;
    if (active) {
        gUI.frontWindow = window;
        ShowMenuBarFor(window);
    }
    ObjectRef object(LockedObject(window->object));
    SendWindowEvent(object.get(), active ? WindowEvent::Activate : WindowEvent::Deactivate);
}

void Close(RuntimeWindow* window) {
    ObjectRef object(LockedObject(window->object));
    if (!object.get() || window->closing) return;
    if (WindowAgreesToClose(object.get()) && RuntimeWindowOf(object.get()) == window)
        CloseRuntimeWindow(window);
}

bool Handle(RuntimeWindow* window, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
            LRESULT* result) {
    *result = 0;
    switch (message) {
    case WM_COMMAND:
        if (lParam) return ForwardToPane(message, wParam, lParam, result);
        DispatchMenuCommand(LOWORD(wParam));
        return true;
    case WM_NOTIFY: case WM_DRAWITEM: case WM_HSCROLL: case WM_VSCROLL:
        return ForwardToPane(message, wParam, lParam, result);
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN:
        HandleMouseDown(window, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), message == WM_RBUTTONDOWN);
        return true;
    case WM_LBUTTONUP: case WM_RBUTTONUP:
        HandleMouseUp(window, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return true;
    case WM_MOUSEMOVE:
        if (gUI.mdiMode || gUI.captureWindow) {
            POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ClientToScreen(hwnd, &point);
            TrackMouseAt(point);
        }
        return true;
    case WM_PAINT: PaintWindow(window); return true;
    case WM_ERASEBKGND:
        EraseWindow(window, reinterpret_cast<HDC>(wParam));
        *result = 1;
        return true;
    case WM_SIZE: HandleResize(window); return false;
    case WM_MOVE: HandleMove(window); return false;
    case WM_SIZING: LimitSizing(window, wParam, reinterpret_cast<RECT*>(lParam)); *result = TRUE; return true;
    case WM_ACTIVATE:
        Activate(window, LOWORD(wParam) != WA_INACTIVE);
        RunEnableMenuItemsCycle();
        return false;
    case WM_MDIACTIVATE:
        Activate(window, reinterpret_cast<HWND>(lParam) == hwnd);
        return false;
    case WM_CLOSE: Close(window); return true;
    case WM_ACTIVATEAPP: DeliverApplicationActivation(wParam != FALSE); return false;
    case WM_MOUSEACTIVATE:
        if (!RefusesActivation(hwnd)) return false;
        *result = MA_NOACTIVATEANDEAT;
        return true;
    case WM_CHAR: {
        char key[2] = {static_cast<char>(wParam), 0};
        StringRef text(NewString(key, 1));
        ObjectRef object(LockedObject(window->object));
        return SendWindowEvent(object.get(), WindowEvent::KeyDown, reinterpret_cast<uint32_t>(text.get()));
    }
    case WM_INITMENU: RunEnableMenuItemsCycle(); return true;
    case WM_SETCURSOR:
        if (LOWORD(lParam) != HTCLIENT) return false;
        SetCursor(LoadCursorA(nullptr, IDC_ARROW));
        *result = TRUE;
        return true;
    case WM_MOUSELEAVE: {
        POINT cursor;
        GetCursorPos(&cursor);
        TrackMouseAt(cursor);
        return true;
    }
    default: return false;
    }
}

} // namespace

LRESULT CALLBACK RuntimeWindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        CREATESTRUCTA* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        void* param = create->lpCreateParams;
        if (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_MDICHILD)
            param = reinterpret_cast<void*>(reinterpret_cast<MDICREATESTRUCTA*>(param)->lParam);
        RuntimeWindow* window = static_cast<RuntimeWindow*>(param);
        BindHandle(hwnd, window);
        if (window) window->hwnd = hwnd;
    }
    RuntimeWindow* window = reinterpret_cast<RuntimeWindow*>(GetWindowLongPtrA(hwnd, 0));
    LRESULT result = 0;
    if (window && window->object && !window->closing &&
        Handle(window, hwnd, message, wParam, lParam, &result))
        return result;
    return DefaultFor(window, hwnd, message, wParam, lParam);
}

LRESULT CALLBACK DrawnPaneProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Pane* pane = reinterpret_cast<Pane*>(GetWindowLongPtrA(hwnd, 0));
    if (!pane || pane->closing) return DefWindowProcA(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        // Panes draw in the window's client coordinates.
        SetViewportOrgEx(dc, -pane->bounds().left, -pane->bounds().top, nullptr);
        pane->Paint(dc);
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_LBUTTONUP: case WM_RBUTTONUP:
    case WM_MOUSEMOVE: {
        // Clicks in a drawn pane are the window's: its hit testing finds the pane.
        HWND parent = GetParent(hwnd);
        POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        MapWindowPoints(hwnd, parent, &point, 1);
        return SendMessageA(parent, message, wParam, MAKELPARAM(point.x, point.y));
    }
    case WM_SETFOCUS: case WM_KILLFOCUS:
        if (message == WM_SETFOCUS) gUI.focusPane = pane;
        pane->FocusChanged(message == WM_SETFOCUS);
        return 0;
    default: return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}
