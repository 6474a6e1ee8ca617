// Registering mnemonics.
#include "controlshortcuts.h"
#include "mnemonics.h"

void RegisterMnemonic(Pane* pane, const StringObject* caption, ShortcutKind kind) {
    RemoveShortcutsOf(nullptr, pane);
    char text[8];
    if (MnemonicShortcutText(MnemonicOf(caption), text)) AddShortcut(text, kind, nullptr, pane);
}
