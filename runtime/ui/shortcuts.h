// The shortcut table: accelerator texts such as "Ctrl+Q" or "Alt+S" and what
// they reach. Menu items enter theirs when they are built; controls with a
// mnemonic enter theirs for their pane. Texts are compared ignoring ASCII case.
#pragma once

struct ObjectInstance;
class Pane;

enum class ShortcutKind { MenuItem, Button, StaticText };

struct Shortcut {
    Shortcut* next;
    char text[32];
    ShortcutKind kind;
    ObjectInstance* menuItem;    // for MenuItem (not locked: the menu owns it)
    Pane* pane;                  // for Button and StaticText
};

// Enters a shortcut; a text longer than 31 bytes is not entered.
void AddShortcut(const char* text, ShortcutKind kind, ObjectInstance* menuItem, Pane* pane);
// Takes out every shortcut of the menu item or of the pane.
void RemoveShortcutsOf(ObjectInstance* menuItem, Pane* pane);
const Shortcut* FindShortcut(const char* text);
void ClearShortcuts();
