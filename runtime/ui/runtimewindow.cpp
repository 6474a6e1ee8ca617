// Runtime window records, their lists, tags and panes.
#include "windowlist.h"
#include "pane.h"
#include "controlbase.h"
#include "uistate.h"
#include "core/string.h"
#include "core/utility.h"

const char kViewWindowTag[] = "RuntimeViewWindow";

namespace {

template <typename T>
void Unlink(T** head, T* item, T* T::*next) {
    for (T** link = head; *link; link = &((*link)->*next))
        if (*link == item) {
            *link = item->*next;
            return;
        }
}

} // namespace

RuntimeWindow* NewRuntimeWindow(ObjectInstance* object, int32_t kind) {
    RuntimeWindow* window = static_cast<RuntimeWindow*>(NewRuntimeRecord(sizeof(RuntimeWindow)));
    *window = RuntimeWindow{};
    window->kind = kind;
    window->wantsVisible = true;
    window->object = object;
    LockObject(object);
    return window;
}

void ListRuntimeWindow(RuntimeWindow* window) {
    window->nextWindow = gUI.windows;
    gUI.windows = window;
    uint32_t unused;
    if (!FindWindowTag(window, kViewWindowTag, &unused)) return;
    window->nextView = gUI.views;
    gUI.views = window;
}

void UnlistRuntimeWindow(RuntimeWindow* window) {
    Unlink(&gUI.windows, window, &RuntimeWindow::nextWindow);
    Unlink(&gUI.views, window, &RuntimeWindow::nextView);
    if (window->hwnd) RemoveModal(window->hwnd);
    if (gUI.mainWindow == window) gUI.mainWindow = nullptr;
    if (gUI.frontWindow == window) gUI.frontWindow = nullptr;
    if (gUI.trackedWindow == window) gUI.trackedWindow = nullptr, gUI.trackedPane = nullptr;
    if (gUI.captureWindow == window) gUI.captureWindow = nullptr, gUI.capturePane = nullptr;
    window->nextWindow = gUI.closed;
    gUI.closed = window;
}

void FreeClosedWindows() {
    while (RuntimeWindow* window = gUI.closed) {
        gUI.closed = window->nextWindow;
        while (WindowTag* tag = window->tags) {
            window->tags = tag->next;
            DeleteRuntimeRecord(tag);
        }
        RuntimeUnlockString(window->balloonHelp);
        DeleteRuntimeRecord(window);
    }
}

void DiscardAllWindows() {
    while (RuntimeWindow* window = gUI.windows) {
        while (Pane* pane = window->firstPane) {
            RemovePane(window, pane);
            pane->Close();
            delete pane;
        }
        if (window->hwnd) {
            BindHandle(window->hwnd, nullptr);
            DestroyWindow(window->hwnd);
        }
        window->hwnd = nullptr;
        if (window->object) AsWindow(window->object)->runtimeWindow = nullptr;
        if (window->slot) *window->slot = nullptr;
        UnlistRuntimeWindow(window);
    }
    while (gUI.modalStack) RemoveModal(gUI.modalStack->hwnd);
}

RuntimeWindow* FirstRuntimeWindow() { return gUI.windows; }
RuntimeWindow* FirstViewWindow() { return gUI.views; }

RuntimeWindow* RuntimeWindowOf(ObjectInstance* window) {
    return window ? AsWindow(window)->runtimeWindow : nullptr;
}

void BindHandle(HWND hwnd, RuntimeWindow* window) {
    SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(window));
}

RuntimeWindow* RuntimeWindowFromHandle(HWND hwnd) {
    for (RuntimeWindow* window = gUI.windows; window; window = window->nextWindow)
        if (window->hwnd == hwnd) return window;
    return nullptr;
}

bool IsLiveRuntimeWindow(const RuntimeWindow* target) {
    for (RuntimeWindow* window = gUI.windows; window; window = window->nextWindow)
        if (window == target) return true;
    return false;
}

void SetWindowTag(RuntimeWindow* window, const char* name, uint32_t value) {
    for (WindowTag* tag = window->tags; tag; tag = tag->next)
        if (tag->name == name) {
            tag->value = value;
            return;
        }
    WindowTag* tag = static_cast<WindowTag*>(NewRuntimeRecord(sizeof(WindowTag)));
    *tag = WindowTag{window->tags, name, value};
    window->tags = tag;
}

bool FindWindowTag(const RuntimeWindow* window, const char* name, uint32_t* value) {
    for (const WindowTag* tag = window->tags; tag; tag = tag->next)
        if (tag->name == name) {
            *value = tag->value;
            return true;
        }
    return false;
}

void AddPane(RuntimeWindow* window, Pane* pane) {
    Pane** link = &window->firstPane;
    while (*link) link = &(*link)->nextInWindow;
    pane->nextInWindow = nullptr;
    *link = pane;
}

void RemovePane(RuntimeWindow* window, Pane* pane) {
    Unlink(&window->firstPane, pane, &Pane::nextInWindow);
    if (gUI.focusPane == pane) gUI.focusPane = nullptr;
    if (gUI.capturePane == pane) gUI.capturePane = nullptr, gUI.captureWindow = nullptr;
    if (gUI.trackedPane == pane) gUI.trackedPane = nullptr;
}

Pane* FindPane(const RuntimeWindow* window, HWND hwnd) {
    for (Pane* pane = window->firstPane; pane; pane = pane->nextInWindow)
        if (pane->hwnd() == hwnd) return pane;
    return nullptr;
}

Pane* PaneOfControl(ObjectInstance* control) {
    return IsControl(control) ? AsControl(control)->pane : nullptr;
}

void PushModal(HWND hwnd) {
    ModalEntry* entry = static_cast<ModalEntry*>(NewRuntimeRecord(sizeof(ModalEntry)));
    *entry = ModalEntry{gUI.modalStack, hwnd};
    gUI.modalStack = entry;
}

void RemoveModal(HWND hwnd) {
    for (ModalEntry** link = &gUI.modalStack; *link; link = &(*link)->next)
        if ((*link)->hwnd == hwnd) {
            ModalEntry* entry = *link;
            *link = entry->next;
            DeleteRuntimeRecord(entry);
            return;
        }
}

HWND NewestVisibleModal() {
    for (ModalEntry* entry = gUI.modalStack; entry; entry = entry->next)
        if (IsWindowVisible(entry->hwnd)) return entry->hwnd;
    return nullptr;
}

bool ModalStackEmpty() { return gUI.modalStack == nullptr; }
