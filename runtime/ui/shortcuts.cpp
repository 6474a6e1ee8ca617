// The shortcut table.
#include "shortcuts.h"
#include "core/utility.h"
#include <cstring>

namespace {

Shortcut* firstShortcut;

bool SameText(const char* a, const char* b) {
    for (;; a++, b++) {
        char x = *a >= 'a' && *a <= 'z' ? static_cast<char>(*a - 32) : *a;
        char y = *b >= 'a' && *b <= 'z' ? static_cast<char>(*b - 32) : *b;
        if (x != y) return false;
        if (!x) return true;
    }
}

} // namespace

void AddShortcut(const char* text, ShortcutKind kind, ObjectInstance* menuItem, Pane* pane) {
    size_t length = strlen(text);
    if (length == 0 || length >= sizeof(Shortcut::text)) return;
    Shortcut* shortcut = static_cast<Shortcut*>(NewRuntimeRecord(sizeof(Shortcut)));
    *shortcut = Shortcut{};
    memcpy(shortcut->text, text, length + 1);
    shortcut->kind = kind;
    shortcut->menuItem = menuItem;
    shortcut->pane = pane;
    Shortcut** link = &firstShortcut;
    while (*link) link = &(*link)->next;
    *link = shortcut;
}

void RemoveShortcutsOf(ObjectInstance* menuItem, Pane* pane) {
    for (Shortcut** link = &firstShortcut; *link;) {
        Shortcut* s = *link;
        if ((menuItem && s->menuItem == menuItem) || (pane && s->pane == pane)) {
            *link = s->next;
            DeleteRuntimeRecord(s);
        } else {
            link = &s->next;
        }
    }
}

const Shortcut* FindShortcut(const char* text) {
    for (const Shortcut* s = firstShortcut; s; s = s->next)
        if (SameText(s->text, text)) return s;
    return nullptr;
}

void ClearShortcuts() {
    while (Shortcut* s = firstShortcut) {
        firstShortcut = s->next;
        DeleteRuntimeRecord(s);
    }
}
