// Menus and menu items: the built-in classes "MenuItem" and "QuitMenuItem",
// the menu records that hold their items, and the command ids.
#pragma once
#include <windows.h>
#include <cstdint>

struct ObjectInstance;
struct StringObject;
struct ClassRecord;
struct Menu;

// A MenuItem object. Compiled code reads and writes the property fields at
// these offsets (Name 24, Index 28, Tag 32, BalloonHelp 36,
// DisabledBalloonHelp 40, Text 44, Checked 48, Enabled 49, Visible 50,
// CommandKey 52).
struct MenuItemFields {
    uint32_t header[6];
    StringObject* name;                 // 24
    int32_t index;                      // 28: 0x80000000 for no index
    StringObject* tag;                  // 32
    StringObject* balloonHelp;          // 36
    StringObject* disabledBalloonHelp;  // 40
    StringObject* text;                 // 44
    uint8_t checked;                    // 48
    uint8_t enabled;                    // 49
    uint8_t visible;                    // 50
    uint8_t inNativeMenu;               // 51
    StringObject* commandKey;           // 52
    Menu* menu;                         // 56: the owning menu
    int32_t position;                   // 60: in the native menu
    int32_t commandId;                  // 64: 1000..2023, 0 when none was free
    uint8_t appliedEnabled;             // 68
    uint8_t appliedChecked;             // 69
    uint8_t reserved[2];
    Menu* submenu;                      // 72
};
constexpr uint32_t kMenuItemSize = sizeof(MenuItemFields);

inline MenuItemFields* AsMenuItem(ObjectInstance* item) {
    return reinterpret_cast<MenuItemFields*>(item);
}

// A menu: a native popup menu and its items in order (each held once).
struct Menu {
    Menu* next;                         // the next menu of the menu bar
    HMENU handle;
    StringObject* text;
    ObjectInstance** items;
    int32_t count;
    int32_t capacity;
};

void RegisterMenuItemClasses();
ClassRecord* MenuItemClass();

enum class MenuItemEvent { Action, EnableMenu };
// The item's handler for the event, called with the item; its Boolean result.
bool SendMenuItemEvent(ObjectInstance* item, MenuItemEvent event);

// Command ids.
int32_t TakeCommandId(ObjectInstance* item);
void FreeCommandId(int32_t id);
ObjectInstance* MenuItemOfCommand(int32_t id);

// The label of the item's native entry: its text, a tab and the accelerator
// text when its command key gives one.
void AcceleratorTextOfCommandKey(const StringObject* commandKey, char* text, int size);
void AppendNativeItem(Menu* menu, ObjectInstance* item);
void InsertNativeItem(Menu* menu, ObjectInstance* item, int position);

extern "C" {
StringObject* menuItemTextGetter(ObjectInstance* item, uint32_t);
void menuItemTextSetter(ObjectInstance* item, uint32_t, StringObject* text);
void menuItemCommandKeySetter(ObjectInstance* item, uint32_t, StringObject* key);
void RuntimeEnableMenu(ObjectInstance* item);
void RuntimeCloseMenuItem(ObjectInstance* item);
}
