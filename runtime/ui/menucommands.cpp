// The EnableMenuItems cycle, menu command dispatch and the menu lookups.
#include "menucommands.h"
#include "menubar.h"
#include "menuitems.h"
#include "windowevents.h"
#include "windowops.h"
#include "pane.h"
#include "uistate.h"
#include "core/applicationclass.h"
#include "core/casetable.h"
#include "core/compiledcalls.h"
#include "core/string.h"

namespace {

constexpr int32_t kNoIndex = static_cast<int32_t>(0x80000000);

template <typename Visit>
void ForEachItem(Menu* menu, Visit visit) {
    for (int32_t i = 0; menu && i < menu->count; i++) {
        ObjectInstance* item = menu->items[i];
        visit(item);
        ForEachItem(AsMenuItem(item)->submenu, visit);
    }
}

template <typename Visit>
void ForEachMenuItem(Visit visit) {
    for (Menu* menu = FirstMenu(); menu; menu = menu->next) ForEachItem(menu, visit);
}

// Positions follow the visible items; then enabled states and check marks.
void ApplyToNative(Menu* menu) {
    int position = 0;
    for (int32_t i = 0; i < menu->count; i++) {
        MenuItemFields* m = AsMenuItem(menu->items[i]);
        if (m->visible) {
            if (!m->inNativeMenu) InsertNativeItem(menu, menu->items[i], position);
            m->position = position++;
        } else if (m->inNativeMenu) {
            RemoveMenu(menu->handle, static_cast<UINT>(position), MF_BYPOSITION);
            m->inNativeMenu = false;
        }
    }
    for (int32_t i = 0; i < menu->count; i++) {
        MenuItemFields* m = AsMenuItem(menu->items[i]);
        if (m->submenu) ApplyToNative(m->submenu);
        if (!m->inNativeMenu) continue;
        UINT at = static_cast<UINT>(m->position);
        if ((m->enabled != 0) != (m->appliedEnabled != 0)) {
            EnableMenuItem(menu->handle, at, MF_BYPOSITION | (m->enabled ? MF_ENABLED : MF_GRAYED));
            m->appliedEnabled = m->enabled != 0;
        }
        if ((m->checked != 0) != (m->appliedChecked != 0)) {
            CheckMenuItem(menu->handle, at, MF_BYPOSITION | (m->checked ? MF_CHECKED : MF_UNCHECKED));
            m->appliedChecked = m->checked != 0;
        }
    }
}

RuntimeWindow* FrontViewWindow() {
    RuntimeWindow* front = gUI.frontWindow;
    uint32_t unused;
    return front && front->object && FindWindowTag(front, kViewWindowTag, &unused) ? front : nullptr;
}

bool SameName(const StringObject* a, const StringObject* b) {
    return CaseTableEqual(StringText(a), StringLength(a), StringText(b), StringLength(b));
}

// The menu handlers of the object's class chain for the item, until one
// reports that it handled the command.
bool CallMenuHandlers(ObjectInstance* receiver, ObjectInstance* item) {
    if (!receiver) return false;
    MenuItemFields* m = AsMenuItem(item);
    for (const ClassRecord* cls = receiver->cls; cls; cls = cls->superclass)
        for (const MenuHandler* h = cls->menuHandlers; h; h = h->next) {
            if (!SameName(h->itemName, m->name)) continue;
            uint32_t result = m->index == kNoIndex ? CallCompiled(h->code, receiver)
                                                   : CallCompiled(h->code, receiver, m->index);
            if (BooleanResult(result)) return true;
        }
    return false;
}

struct Wanted {
    const StringObject* name;
    int32_t index;
};

bool Matches(ObjectInstance* item, const void* context) {
    const Wanted* wanted = static_cast<const Wanted*>(context);
    return AsMenuItem(item)->index == wanted->index && SameName(AsMenuItem(item)->name, wanted->name);
}

ObjectInstance* Reference(const StringObject* name, int32_t index) {
    Wanted wanted{name, index};
    ObjectInstance* item = FindMenuItem(&Matches, &wanted);
    LockObject(item);
    return item;
}

} // namespace

void RunEnableMenuItemsCycle() {
    if (!MenuBarExists()) return;
    ForEachMenuItem([](ObjectInstance* item) { AsMenuItem(item)->enabled = false; });
    ForEachMenuItem([](ObjectInstance* item) { SendMenuItemEvent(item, MenuItemEvent::EnableMenu); });
    if (gUI.focusPane) gUI.focusPane->EnableMenuItems();
    if (RuntimeWindow* front = FrontViewWindow()) {
        ObjectRef window(LockedObject(front->object));
        SendWindowEvent(window.get(), WindowEvent::EnableMenuItems);
    }
    if (uint32_t code = ApplicationHandler(ApplicationEvent::EnableMenuItems))
        CallCompiled(code, ApplicationObject());
    for (Menu* menu = FirstMenu(); menu; menu = menu->next) ApplyToNative(menu);
    DrawMenuBarOfRuntime();
}

void DispatchMenuCommand(int32_t commandId) {
    if (ObjectInstance* item = MenuItemOfCommand(commandId)) DispatchMenuItemCommand(item);
}

void DispatchMenuItemCommand(ObjectInstance* item) {
    ObjectRef held(LockedObject(item));
    if (gUI.focusPane && gUI.focusPane->HandleMenuCommand(item)) return;
    if (RuntimeWindow* front = FrontViewWindow()) {
        ObjectRef window(LockedObject(front->object));
        if (CallMenuHandlers(window.get(), item)) return;
    }
    if (CallMenuHandlers(ApplicationObject(), item)) return;
    SendMenuItemEvent(item, MenuItemEvent::Action);
}

bool MenuItemNativelyEnabled(ObjectInstance* item) {
    MenuItemFields* m = AsMenuItem(item);
    if (!m->menu || !m->inNativeMenu) return false;
    UINT state = GetMenuState(m->menu->handle, static_cast<UINT>(m->position), MF_BYPOSITION);
    return state != static_cast<UINT>(-1) && !(state & (MF_GRAYED | MF_DISABLED));
}

void ShowMenuBarFor(RuntimeWindow* window) {
    if (!window->object || !MenuBarExists()) return;
    bool visible = AsWindow(window->object)->menuBarVisible;
    HWND carrier = gUI.mdiMode ? gUI.frame : (window->isMainWindow ? window->hwnd : nullptr);
    if (!carrier) return;
    HMENU wanted = visible ? MenuBarHandle() : nullptr;
    if (GetMenu(carrier) != wanted) SetMenu(carrier, wanted);
}

extern "C" {

ObjectInstance* RuntimeMenuReference(StringObject* name) { return Reference(name, kNoIndex); }

ObjectInstance* RuntimeMenuArrayReference(StringObject* name, int32_t index) {
    return Reference(name, index);
}

void enableMenuItems() {}

}
