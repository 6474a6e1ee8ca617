// What the edit field needs of the menus and of the keyboard focus.
#pragma once

class Pane;
struct ObjectInstance;

// True when the menu item's Name is that name (ASCII case ignored).
bool MenuItemIs(ObjectInstance* item, const char* name);

// Runs the menu handlers that the control's class chain implements for the
// item's name, with the item's index when it has one; true when one of them
// returned True.
bool CallMenuHandlers(ObjectInstance* control, ObjectInstance* item);

// Sets Enabled of the menu bar's item of that name (nothing without one).
void EnableMenuItemNamed(const char* name);

// Makes the pane the focus pane of the runtime.
void SetFocusPane(Pane* pane);
