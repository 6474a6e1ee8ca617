// What menus do at run time: the EnableMenuItems cycle and the dispatch of
// menu commands.
#pragma once
#include <cstdint>

struct ObjectInstance;

// Every item disabled, then enabled by whoever handles it; applied to the
// native menus.
void RunEnableMenuItemsCycle();

// A WM_COMMAND from a menu (or an accelerator): the focus control, the front
// window's menu handlers, the application's, then the item's Action.
void DispatchMenuCommand(int32_t commandId);
void DispatchMenuItemCommand(ObjectInstance* item);
bool MenuItemNativelyEnabled(ObjectInstance* item);

extern "C" {
ObjectInstance* RuntimeMenuReference(struct StringObject* name);
ObjectInstance* RuntimeMenuArrayReference(struct StringObject* name, int32_t index);
void enableMenuItems();
}
