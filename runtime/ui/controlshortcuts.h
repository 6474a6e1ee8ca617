// The mnemonics of push buttons, check boxes and static texts in the
// runtime's shortcut table (shortcuts.h): "Alt+" and the marked character,
// activating the control's pane.
#pragma once
#include "shortcuts.h"

struct StringObject;

// Enters the caption's mnemonic for the pane in place of what the pane had;
// a caption without one leaves the pane without a shortcut.
void RegisterMnemonic(Pane* pane, const StringObject* caption, ShortcutKind kind);
