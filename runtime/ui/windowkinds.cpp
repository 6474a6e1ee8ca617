// Window kinds (the Frame values), their styles and placement, and the
// native windows made for them.
#include "windowops.h"
#include "windowlist.h"
#include "uistate.h"
#include "menubar.h"
#include "dialogowner.h"
#include "core/image.h"
#include "core/string.h"

namespace {

const WindowKind kKinds[] = {
    {WS_CAPTION, 0, false, 4},
    {WS_POPUP | WS_CAPTION, WS_EX_DLGMODALFRAME, true, 2},
    {WS_POPUP | WS_DLGFRAME, 0, true, 2},
    {WS_POPUP | WS_CAPTION, WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE, false, 0},
    {WS_POPUP | WS_BORDER, 0, true, 2},
    {WS_POPUP | WS_BORDER, WS_EX_CLIENTEDGE, true, 2},
    {WS_CAPTION, 0, false, 4},
    {WS_POPUP | WS_CAPTION, WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE, false, 0},
};

bool IsDocumentKind(int32_t frame) { return frame == 0 || frame == 6; }
bool IsToolKind(int32_t frame) { return frame == 3 || frame == 7; }

DWORD StyleOf(const RuntimeWindow* window) { return static_cast<DWORD>(GetWindowLongA(window->hwnd, GWL_STYLE)); }
DWORD ExStyleOf(const RuntimeWindow* window) { return static_cast<DWORD>(GetWindowLongA(window->hwnd, GWL_EXSTYLE)); }

RECT OuterRect(DWORD style, DWORD exStyle, bool menu, const Bounds& content) {
    RECT r{content.left, content.top, content.right, content.bottom};
    AdjustWindowRectEx(&r, style, menu, exStyle);
    return r;
}

HWND OwnerFor(const WindowKind& kind, int32_t frame) {
    if (IsToolKind(frame)) return nullptr;
    if (kind.modal) return DialogOwner();
    return nullptr;
}

} // namespace

bool LookUpWindowKind(int32_t frame, WindowKind* kind) {
    if (frame < 0 || frame > 7) return false;
    *kind = kKinds[frame];
    return true;
}

void PlaceBounds(Bounds* b, int32_t placement) {
    int dx = 0, dy = 0;
    switch (placement) {
    case 0: dx = 4; dy = 100; break;
    case 1: case 2: case 3:
        dx = (GetSystemMetrics(SM_CXSCREEN) - b->Width()) / 2;
        dy = (GetSystemMetrics(SM_CYSCREEN) - b->Height()) / 4;
        break;
    case 4: dx = 10; dy = 50; break;
    default: return;
    }
    b->left = static_cast<int16_t>(b->left + dx);
    b->right = static_cast<int16_t>(b->right + dx);
    b->top = static_cast<int16_t>(b->top + dy);
    b->bottom = static_cast<int16_t>(b->bottom + dy);
}

bool CreateNativeWindow(RuntimeWindow* window) {
    WindowFields* w = AsWindow(window->object);
    WindowKind kind;
    if (!LookUpWindowKind(w->frame, &kind)) return false;
    DWORD style = kind.style;
    if (w->growIcon) style |= WS_THICKFRAME;
    if (w->closeBox) style |= WS_SYSMENU;
    if (w->zoomIcon) style |= WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    window->resizable = w->growIcon;
    window->mdiChild = gUI.mdiMode && IsDocumentKind(w->frame);
    window->isMainWindow = !gUI.mdiMode && w->frame == 0 && !gUI.mainWindow;
    window->content = w->bounds;
    const char* title = StringText(w->title);
    if (window->mdiChild) {
        RECT r = OuterRect(style | WS_CHILD, WS_EX_MDICHILD, false, w->bounds);
        window->hwnd = CreateWindowExA(WS_EX_MDICHILD, "OB_MDICHILD", title, style | WS_CHILD,
                                       r.left, r.top, r.right - r.left, r.bottom - r.top,
                                       gUI.mdiClient, nullptr, gInstance, window);
    } else {
        HMENU menu = window->isMainWindow ? MenuBarHandle() : nullptr;
        RECT r = OuterRect(style, kind.extendedStyle, menu != nullptr, w->bounds);
        window->hwnd = CreateWindowExA(kind.extendedStyle, "OBWindow", title, style, r.left, r.top,
                                       r.right - r.left, r.bottom - r.top, OwnerFor(kind, w->frame),
                                       menu, gInstance, window);
    }
    if (!window->hwnd) return false;
    window->created = true;
    if (window->isMainWindow) gUI.mainWindow = window;
    if (kind.modal) PushModal(window->hwnd);
    return true;
}

void MoveNativeWindow(RuntimeWindow* window, const Bounds& content) {
    RECT r = OuterRect(StyleOf(window), ExStyleOf(window), GetMenu(window->hwnd) != nullptr && !window->mdiChild, content);
    window->content = content;
    SetWindowPos(window->hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

Bounds NativeContentBounds(const RuntimeWindow* window) {
    RECT client{};
    GetClientRect(window->hwnd, &client);
    POINT origin{0, 0};
    ClientToScreen(window->hwnd, &origin);
    if (window->mdiChild) ScreenToClient(gUI.mdiClient, &origin);
    return Bounds{static_cast<int16_t>(origin.y), static_cast<int16_t>(origin.x),
                  static_cast<int16_t>(origin.y + client.bottom),
                  static_cast<int16_t>(origin.x + client.right)};
}
