// The application's menu bar, built from the description that the image
// stores as a project item (kind 2).
#pragma once
#include <windows.h>

class ByteStream;
struct Menu;
struct ObjectInstance;

bool MenuBarExists();

// Builds the menu bar from its description (menus, item records, item lists).
void BuildMenuBar(ByteStream& description);
// Destroys the menu bar and its items (a new image starts over).
void DiscardMenuBar();

// The native menu bar; null when there is none.
HMENU MenuBarHandle();
Menu* FirstMenu();
// Redraws the menu bar of the window that carries it.
void DrawMenuBarOfRuntime();
// Takes an item out of its menu and out of the native menu, frees its
// command id and drops the menu's reference.
void RemoveItemFromMenu(ObjectInstance* item);

// Runs fn(item) for every item, menu by menu, item by item, submenus after
// the item that opens them; stops when fn returns true, giving that item.
ObjectInstance* FindMenuItem(bool (*fn)(ObjectInstance* item, const void* context), const void* context);
