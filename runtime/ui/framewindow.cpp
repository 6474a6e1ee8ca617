// The frame window of multiple-document mode: 640 x 480 at the system's
// default place, captioned with the application's name, holding the menu bar
// and the MDI client in which the document windows live.
#include "windowprocedure.h"
#include "applicationevents.h"
#include "menubar.h"
#include "menucommands.h"
#include "windowinput.h"
#include "uistate.h"
#include "uistartup.h"
#include "core/image.h"

namespace {

constexpr UINT kFirstChildId = 3000;

void CloseFrame(HWND hwnd) {
    if (RunQuitSequence()) return;
    gUI.quit = true;
    gUI.frame = nullptr;
    gUI.mdiClient = nullptr;
    DestroyWindow(hwnd);
}

} // namespace

LRESULT CALLBACK FrameWindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        CLIENTCREATESTRUCT client{nullptr, kFirstChildId};
        gUI.mdiClient = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                        WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE,
                                        0, 0, 0, 0, hwnd, nullptr, gInstance, &client);
        return 0;
    }
    case WM_CLOSE: CloseFrame(hwnd); return 0;
    case WM_COMMAND:
        if (!lParam && LOWORD(wParam) >= 1000 && LOWORD(wParam) < 2024) {
            DispatchMenuCommand(LOWORD(wParam));
            return 0;
        }
        break;
    case WM_INITMENU: RunEnableMenuItemsCycle(); return 0;
    case WM_ACTIVATEAPP: DeliverApplicationActivation(wParam != FALSE); break;
    case WM_MOUSEACTIVATE:
        if (RefusesActivation(hwnd)) return MA_NOACTIVATEANDEAT;
        break;
    default: break;
    }
    return DefFrameProcA(hwnd, gUI.mdiClient, message, wParam, lParam);
}

void CreateFrameWindow(const char* caption) {
    gUI.mdiMode = true;
    gUI.frame = CreateWindowExA(0, "OB_MDIFRAME", caption, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                CW_USEDEFAULT, CW_USEDEFAULT, 640, 480, nullptr, MenuBarHandle(),
                                gInstance, nullptr);
}

void ShowFrameWindow() {
    if (gUI.frame) ShowWindow(gUI.frame, SW_SHOWNORMAL);
}
