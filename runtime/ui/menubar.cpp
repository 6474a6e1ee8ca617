// The menu bar. The description is a compact count of menus, each an item
// record followed by its item list; an item list is a compact count of item
// records, each followed by its submenu's list when its submenu byte is set.
// An item record: kind (0 normal, 1 another platform's application menu,
// 2 a placeholder), text, name, index, command key, balloon help, disabled
// balloon help, an unused byte, the submenu byte, the class index.
#include "menubar.h"
#include "menuitems.h"
#include "shortcuts.h"
#include "uistate.h"
#include "core/compactcoding.h"
#include "core/string.h"
#include "core/utility.h"
#include "files/bytestream.h"

namespace {

constexpr int32_t kNoIndex = static_cast<int32_t>(0x80000000);

HMENU menuBar;
Menu* firstMenu;

struct ItemRecord {
    int32_t kind;
    StringObject* text;
    StringObject* name;
    int32_t index;
    StringObject* commandKey;
    StringObject* balloonHelp;
    StringObject* disabledBalloonHelp;
    bool hasSubmenu;
    int32_t classIndex;

    ~ItemRecord() {
        StringObject* strings[] = {text, name, commandKey, balloonHelp, disabledBalloonHelp};
        for (StringObject* s : strings) RuntimeUnlockString(s);
    }
};

void ReadRecord(ByteStream& in, ItemRecord* r) {
    r->kind = ReadCompactInteger(in);
    r->text = ReadCompactString(in);
    r->name = ReadCompactString(in);
    r->index = ReadCompactInteger(in);
    if (r->index == static_cast<int32_t>(0x80000010) || r->index == static_cast<int32_t>(0x80100000))
        r->index = kNoIndex;
    r->commandKey = ReadCompactString(in);
    r->balloonHelp = ReadCompactString(in);
    r->disabledBalloonHelp = ReadCompactString(in);
    ReadByte(in);
    r->hasSubmenu = ReadByte(in) != 0;
    r->classIndex = ReadCompactInteger(in);
}

Menu* NewMenu(HMENU handle, StringObject* text) {
    Menu* menu = static_cast<Menu*>(NewRuntimeRecord(sizeof(Menu)));
    *menu = Menu{nullptr, handle, LockedString(text), nullptr, 0, 0};
    return menu;
}

void AddToMenu(Menu* menu, ObjectInstance* item) {
    if (menu->count == menu->capacity) {
        int32_t capacity = menu->capacity ? menu->capacity * 2 : 8;
        ObjectInstance** items = static_cast<ObjectInstance**>(RuntimeAlloc(sizeof(ObjectInstance*) * capacity));
        for (int32_t i = 0; i < menu->count; i++) items[i] = menu->items[i];
        if (menu->items) RuntimeFree(menu->items, sizeof(ObjectInstance*) * menu->capacity);
        menu->items = items;
        menu->capacity = capacity;
    }
    menu->items[menu->count++] = item;
}

ObjectInstance* NewMenuItem(const ItemRecord& r) {
    ClassRecord* cls = ClassAtIndex(r.classIndex);
    if (cls && !ClassIsa(cls, MenuItemClass())) cls->superclass = MenuItemClass();
    ObjectInstance* item = RuntimeNewObject(r.classIndex);
    MenuItemFields* m = AsMenuItem(item);
    m->name = LockedString(r.name);
    m->text = LockedString(r.text);
    m->index = r.index;
    m->commandKey = LockedString(r.commandKey);
    m->balloonHelp = LockedString(r.balloonHelp);
    m->disabledBalloonHelp = LockedString(r.disabledBalloonHelp);
    m->enabled = m->visible = true;
    m->appliedEnabled = true;
    m->commandId = TakeCommandId(item);
    return item;
}

void RegisterAccelerator(ObjectInstance* item) {
    char accelerator[48];
    AcceleratorTextOfCommandKey(AsMenuItem(item)->commandKey, accelerator, sizeof accelerator);
    if (accelerator[0]) AddShortcut(accelerator, ShortcutKind::MenuItem, item, nullptr);
}

// An item list; into menu when it is not null, else read and passed over.
void ReadItemList(ByteStream& in, Menu* menu) {
    int32_t count = ReadCompactInteger(in);
    for (int32_t i = 0; i < count; i++) {
        ItemRecord r{};
        ReadRecord(in, &r);
        bool makes = menu && r.kind == 0;
        Menu* submenu = nullptr;
        if (r.hasSubmenu) {
            submenu = makes ? NewMenu(CreatePopupMenu(), r.text) : nullptr;
            ReadItemList(in, submenu);
        }
        if (!makes) continue;
        ObjectInstance* item = NewMenuItem(r);
        AsMenuItem(item)->menu = menu;
        AsMenuItem(item)->submenu = submenu;
        AddToMenu(menu, item);
        AppendNativeItem(menu, item);
        RegisterAccelerator(item);
    }
}

void DeleteMenu(Menu* menu) {
    for (int32_t i = 0; i < menu->count; i++) {
        ObjectInstance* item = menu->items[i];
        MenuItemFields* m = AsMenuItem(item);
        if (m->submenu) DeleteMenu(m->submenu);
        FreeCommandId(m->commandId);
        m->menu = nullptr;
        m->submenu = nullptr;
        UnlockObject(item);
    }
    if (menu->items) RuntimeFree(menu->items, sizeof(ObjectInstance*) * menu->capacity);
    RuntimeUnlockString(menu->text);
    DeleteRuntimeRecord(menu);
}

ObjectInstance* FindIn(Menu* menu, bool (*fn)(ObjectInstance*, const void*), const void* context) {
    for (int32_t i = 0; menu && i < menu->count; i++) {
        if (fn(menu->items[i], context)) return menu->items[i];
        if (ObjectInstance* found = FindIn(AsMenuItem(menu->items[i])->submenu, fn, context)) return found;
    }
    return nullptr;
}

} // namespace

bool MenuBarExists() { return menuBar != nullptr; }
HMENU MenuBarHandle() { return menuBar; }
Menu* FirstMenu() { return firstMenu; }

void BuildMenuBar(ByteStream& in) {
    menuBar = CreateMenu();
    Menu** link = &firstMenu;
    int32_t count = ReadCompactInteger(in);
    for (int32_t i = 0; i < count; i++) {
        ItemRecord r{};
        ReadRecord(in, &r);
        if (r.kind == 1 || r.kind == 2) {
            ReadItemList(in, nullptr);
            continue;
        }
        Menu* menu = NewMenu(CreatePopupMenu(), r.text);
        ReadItemList(in, menu);
        AppendMenuA(menuBar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(menu->handle), StringText(r.text));
        *link = menu;
        link = &menu->next;
    }
}

void DiscardMenuBar() {
    ClearShortcuts();
    while (Menu* menu = firstMenu) {
        firstMenu = menu->next;
        DeleteMenu(menu);
    }
    if (menuBar) DestroyMenu(menuBar);
    menuBar = nullptr;
}

void DrawMenuBarOfRuntime() {
    if (gUI.mdiMode && gUI.frame) DrawMenuBar(gUI.frame);
    else if (gUI.mainWindow) DrawMenuBar(gUI.mainWindow->hwnd);
}

void RemoveItemFromMenu(ObjectInstance* item) {
    MenuItemFields* m = AsMenuItem(item);
    Menu* menu = m->menu;
    if (m->inNativeMenu) RemoveMenu(menu->handle, static_cast<UINT>(m->position), MF_BYPOSITION);
    int32_t at = 0;
    while (at < menu->count && menu->items[at] != item) at++;
    bool found = at < menu->count;
    for (int32_t i = at; i + 1 < menu->count; i++) menu->items[i] = menu->items[i + 1];
    if (found) menu->count--;
    // The items after it move up one place in the native menu.
    for (int32_t i = at; i < menu->count; i++)
        if (AsMenuItem(menu->items[i])->inNativeMenu && m->inNativeMenu) AsMenuItem(menu->items[i])->position--;
    RemoveShortcutsOf(item, nullptr);
    FreeCommandId(m->commandId);
    m->commandId = 0;
    m->inNativeMenu = false;
    m->menu = nullptr;
    DrawMenuBarOfRuntime();
    if (found) UnlockObject(item);
}

ObjectInstance* FindMenuItem(bool (*fn)(ObjectInstance*, const void*), const void* context) {
    for (Menu* menu = firstMenu; menu; menu = menu->next)
        if (ObjectInstance* found = FindIn(menu, fn, context)) return found;
    return nullptr;
}
