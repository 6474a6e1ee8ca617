// Menu items as the edit field sees them. A menu item's first fields are its
// Name and its Index (the order of the MenuItem class's properties).
#include "editmenu.h"
#include "menucommands.h"
#include "menuitems.h"
#include "uistate.h"
#include "core/casetable.h"
#include "core/compiledcalls.h"
#include "core/objects.h"
#include "core/string.h"
#include <cstring>

namespace {

constexpr int32_t kNoMenuIndex = int32_t(0x80000000u);

MenuItemFields* Head(ObjectInstance* item) { return AsMenuItem(item); }

bool SameName(const StringObject* a, const StringObject* b) {
    return CaseTableEqual(StringText(a), StringLength(a), StringText(b), StringLength(b));
}

} // namespace

bool MenuItemIs(ObjectInstance* item, const char* name) {
    if (!item) return false;
    const StringObject* own = Head(item)->name;
    return CaseTableEqual(StringText(own), StringLength(own), name, uint32_t(strlen(name)));
}

bool CallMenuHandlers(ObjectInstance* control, ObjectInstance* item) {
    if (!control || !item) return false;
    const StringObject* name = Head(item)->name;
    const int32_t index = Head(item)->index;
    for (const ClassRecord* cls = control->cls; cls; cls = cls->superclass)
        for (const MenuHandler* handler = cls->menuHandlers; handler; handler = handler->next) {
            if (!SameName(handler->itemName, name)) continue;
            uint32_t result = index == kNoMenuIndex ? CallCompiled(handler->code, control)
                                                : CallCompiled(handler->code, control, index);
            if (result & 0xFF) return true;
        }
    return false;
}

void EnableMenuItemNamed(const char* name) {
    StringRef key(NewStringFromText(name));
    if (ObjectInstance* item = RuntimeMenuReference(key.get())) {
        AsMenuItem(item)->enabled = 1;
        UnlockObject(item);
    }
}

void SetFocusPane(Pane* pane) { gUI.focusPane = pane; }
