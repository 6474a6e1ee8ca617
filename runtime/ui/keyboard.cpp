// Keyboard pre-processing of WM_KEYDOWN and WM_SYSKEYDOWN.
#include "keyboard.h"
#include "shortcuts.h"
#include "menucommands.h"
#include "pane.h"
#include "uistate.h"
#include "windowlist.h"
#include <cstdio>
#include <cstring>

namespace {

bool Down(int key) { return (GetKeyState(key) & 0x8000) != 0; }

void KeyName(WPARAM key, char* text, int size) {
    if (key >= VK_F1 && key <= VK_F24) snprintf(text, size, "F%d", static_cast<int>(key - VK_F1 + 1));
    else if (key == VK_ESCAPE) snprintf(text, size, "Esc");
    else if (key == VK_BACK) snprintf(text, size, "Bsp");
    else if (key == VK_TAB) snprintf(text, size, "Tab");
    else if (key == VK_CLEAR) snprintf(text, size, "Clr");
    else if (key == VK_RETURN) snprintf(text, size, "Enter");
    else snprintf(text, size, "%c", static_cast<char>(key));
}

bool RunShortcut(const Shortcut* shortcut) {
    if (shortcut->kind == ShortcutKind::MenuItem) {
        if (MenuItemNativelyEnabled(shortcut->menuItem)) DispatchMenuItemCommand(shortcut->menuItem);
    } else if (Pane* pane = shortcut->pane) {
        if (pane->enabled && pane->visible) pane->ActivateShortcut();
    }
    return true;
}

RuntimeWindow* WindowOfMessage(HWND hwnd) {
    for (; hwnd; hwnd = GetParent(hwnd))
        if (RuntimeWindow* window = RuntimeWindowFromHandle(hwnd)) return window;
    return nullptr;
}

bool Focusable(Pane* pane) {
    return pane->hwnd() && pane->enabled && pane->visible && !pane->IsDrawn();
}

// The next (or previous) focusable pane after the focus pane, wrapping.
bool MoveFocus(RuntimeWindow* window, bool forward) {
    Pane* panes[256];
    int count = 0, at = -1;
    for (Pane* pane = window->firstPane; pane && count < 256; pane = pane->nextInWindow) {
        if (pane == gUI.focusPane) at = count;
        panes[count++] = pane;
    }
    if (at < 0 || count < 2) return false;
    for (int step = 1; step < count; step++) {
        Pane* candidate = panes[(at + (forward ? step : count - step)) % count];
        if (Focusable(candidate)) {
            SetFocus(candidate->hwnd());
            return true;
        }
    }
    return false;
}

bool PushButtonOf(RuntimeWindow* window, bool cancel) {
    for (Pane* pane = window->firstPane; pane; pane = pane->nextInWindow)
        if ((cancel ? pane->IsCancelButton() : pane->IsDefaultButton()) && pane->enabled && pane->visible) {
            pane->ActivateShortcut();
            return true;
        }
    return false;
}

} // namespace

void AcceleratorTextOf(WPARAM key, bool control, bool shift, bool alt, char* text, int size) {
    char name[8];
    KeyName(key, name, sizeof name);
    snprintf(text, size, "%s%s%s%s", control ? "Ctrl+" : "", shift ? "Shft+" : "", alt ? "Alt+" : "", name);
}

bool PreprocessKey(const MSG* message) {
    if (message->message != WM_KEYDOWN && message->message != WM_SYSKEYDOWN) return false;
    WPARAM key = message->wParam;
    bool control = Down(VK_CONTROL), shift = Down(VK_SHIFT);
    bool alt = Down(VK_MENU) || (message->message == WM_SYSKEYDOWN && (message->lParam & (1 << 29)));
    char text[40];
    AcceleratorTextOf(key, control, shift, alt, text, sizeof text);
    if (const Shortcut* shortcut = FindShortcut(text)) return RunShortcut(shortcut);

    RuntimeWindow* window = WindowOfMessage(message->hwnd);
    if (!window) return false;
    Pane* focus = gUI.focusPane;
    switch (key) {
    case VK_LEFT: case VK_UP: case VK_RIGHT: case VK_DOWN:
        if (focus && focus->KeepsArrowKeys()) return false;
        return MoveFocus(window, key == VK_RIGHT || key == VK_DOWN);
    case VK_TAB:
        if (control || (focus && focus->KeepsTab())) return false;
        return MoveFocus(window, !shift);
    case VK_RETURN:
        if (focus && focus->TakesReturn()) return false;
        return PushButtonOf(window, false);
    case VK_ESCAPE: return PushButtonOf(window, true);
    default: return false;
    }
}
