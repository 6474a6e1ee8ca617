// MenuItem and QuitMenuItem.
#include "menuitems.h"
#include "applicationevents.h"
#include "menubar.h"
#include "controlbase.h"
#include "shortcuts.h"
#include "uistate.h"
#include "core/compiledcalls.h"
#include "core/properties.h"
#include "core/string.h"
#include "core/utility.h"
#include "windowevents.h"
#include <cstdio>
#include <cstring>

namespace {

constexpr int32_t kFirstCommandId = 1000;
constexpr int kCommandIds = 1024;

ClassRecord* menuItemClass;
ClassRecord* quitMenuItemClass;
const EventDeclaration* itemEvents[2];
const EventDeclaration* quitAction;
ObjectInstance* commandItems[kCommandIds];

template <typename T>
uint32_t Code(T routine) { return reinterpret_cast<uint32_t>(routine); }

void StoreString(StringObject** field, StringObject* value) {
    RuntimeLockString(value);
    StringObject* old = *field;
    *field = value;
    RuntimeUnlockString(old);
}

void QuitItemEnableMenu(ObjectInstance* item) { AsMenuItem(item)->enabled = true; }

// The subclass's Action first; without one, or when it returns False, quit.
bool QuitItemAction(ObjectInstance* item) {
    if (uint32_t code = FindEventHandler(item, quitAction))
        if (BooleanResult(CallCompiled(code, item))) return true;
    if (!RunQuitSequence()) gUI.quit = true;
    return true;
}

template <typename R>
void AddHandler(ClassRecord* cls, const char* event, R (*routine)(ObjectInstance*)) {
    // Handlers are called through CallCompiled, which takes any routine.
    AddBuiltinHandler(cls, event, reinterpret_cast<void (*)(ObjectInstance*)>(reinterpret_cast<void (*)()>(routine)));
}

void AddField(const char* name, PropertyType type, uint32_t offset, bool settable = true) {
    AddProperty(menuItemClass, name, type, FieldGetterFor(type), settable ? FieldSetterFor(type) : 0, offset);
}

void AddProperties() {
    using P = PropertyType;
    AddField("Name", P::String, offsetof(MenuItemFields, name));
    AddField("Index", P::Integer, offsetof(MenuItemFields, index), false);
    AddField("Tag", P::String, offsetof(MenuItemFields, tag));
    AddField("BalloonHelp", P::String, offsetof(MenuItemFields, balloonHelp));
    AddField("DisabledBalloonHelp", P::String, offsetof(MenuItemFields, disabledBalloonHelp));
    AddProperty(menuItemClass, "Text", P::String, Code(&menuItemTextGetter), Code(&menuItemTextSetter), 0);
    AddField("Checked", P::Boolean, offsetof(MenuItemFields, checked));
    AddField("Enabled", P::Boolean, offsetof(MenuItemFields, enabled));
    AddField("Visible", P::Boolean, offsetof(MenuItemFields, visible));
    AddProperty(menuItemClass, "CommandKey", P::String, FieldGetterFor(P::String),
                Code(&menuItemCommandKeySetter), offsetof(MenuItemFields, commandKey));
}

void DestroyMenuItem(ObjectInstance* item, ClassRecord*) {
    MenuItemFields* m = AsMenuItem(item);
    StringObject** strings[] = {&m->name, &m->tag, &m->balloonHelp, &m->disabledBalloonHelp,
                                &m->text, &m->commandKey};
    for (StringObject** s : strings) StoreString(s, nullptr);
}

} // namespace

void RegisterMenuItemClasses() {
    if (menuItemClass) return;
    menuItemClass = RegisterBuiltinClass("MenuItem", nullptr, kMenuItemSize, nullptr, &DestroyMenuItem);
    itemEvents[0] = DeclareEvent(menuItemClass, "Action");
    itemEvents[1] = DeclareEvent(menuItemClass, "EnableMenu");
    AddProperties();
    quitMenuItemClass = RegisterBuiltinClass("QuitMenuItem", menuItemClass, kMenuItemSize);
    quitAction = DeclareEvent(quitMenuItemClass, "Action");
    AddHandler(quitMenuItemClass, "EnableMenu", &QuitItemEnableMenu);
    AddHandler(quitMenuItemClass, "Action", &QuitItemAction);
}

ClassRecord* MenuItemClass() { return menuItemClass; }

bool SendMenuItemEvent(ObjectInstance* item, MenuItemEvent event) {
    uint32_t code = FindEventHandler(item, itemEvents[static_cast<int>(event)]);
    return code && BooleanResult(CallCompiled(code, item));
}

int32_t TakeCommandId(ObjectInstance* item) {
    for (int slot = 0; slot < kCommandIds; slot++)
        if (!commandItems[slot]) {
            commandItems[slot] = item;
            return kFirstCommandId + slot;
        }
    return 0;
}

void FreeCommandId(int32_t id) {
    if (id >= kFirstCommandId && id < kFirstCommandId + kCommandIds) commandItems[id - kFirstCommandId] = nullptr;
}

ObjectInstance* MenuItemOfCommand(int32_t id) {
    if (id < kFirstCommandId || id >= kFirstCommandId + kCommandIds) return nullptr;
    return commandItems[id - kFirstCommandId];
}

// Fields of the command key: "Shift", "Option", "Control", "Alt" set flags;
// the last field is the key; a key of one character always means Control.
void AcceleratorTextOfCommandKey(const StringObject* commandKey, char* text, int size) {
    text[0] = 0;
    const char* key = StringText(commandKey);
    if (!*key) return;
    bool shift = false, control = false, alt = false;
    char field[32];
    const char* last = key;
    for (const char* at = key; *at;) {
        size_t length = strcspn(at, "-+ ,");
        if (length && length < sizeof field) {
            memcpy(field, at, length);
            field[length] = 0;
            if (!_stricmp(field, "Shift")) shift = true;
            else if (!_stricmp(field, "Control")) control = true;
            else if (!_stricmp(field, "Alt")) alt = true;
            last = at;
        }
        at += length;
        if (*at) at++;
    }
    char name[32];
    size_t length = strcspn(last, "-+ ,");
    if (!length) length = strlen(last);   // the key itself is a separator character
    if (length >= sizeof name) length = sizeof name - 1;
    memcpy(name, last, length);
    name[length] = 0;
    if (length == 1) control = true;
    snprintf(text, size, "%s%s%s%s", control ? "Ctrl+" : "", shift ? "Shft+" : "", alt ? "Alt+" : "", name);
}

namespace {

void NativeLabel(ObjectInstance* item, char* label, int size) {
    char accelerator[48];
    AcceleratorTextOfCommandKey(AsMenuItem(item)->commandKey, accelerator, sizeof accelerator);
    snprintf(label, size, accelerator[0] ? "%s\t%s" : "%s", StringText(AsMenuItem(item)->text), accelerator);
}

bool IsSeparator(ObjectInstance* item) {
    return StringLength(AsMenuItem(item)->text) == 1 && StringText(AsMenuItem(item)->text)[0] == '-';
}

} // namespace

void InsertNativeItem(Menu* menu, ObjectInstance* item, int position) {
    MenuItemFields* m = AsMenuItem(item);
    char label[300];
    NativeLabel(item, label, sizeof label);
    UINT flags = MF_BYPOSITION | MF_STRING;
    UINT_PTR id = static_cast<UINT_PTR>(m->commandId);
    if (IsSeparator(item)) flags = MF_BYPOSITION | MF_SEPARATOR;
    else if (m->submenu) flags |= MF_POPUP, id = reinterpret_cast<UINT_PTR>(m->submenu->handle);
    if (!m->appliedEnabled) flags |= MF_GRAYED;
    if (m->appliedChecked) flags |= MF_CHECKED;
    InsertMenuA(menu->handle, static_cast<UINT>(position), flags, id, label);
    m->inNativeMenu = true;
    m->position = position;
}

void AppendNativeItem(Menu* menu, ObjectInstance* item) {
    InsertNativeItem(menu, item, GetMenuItemCount(menu->handle));
}

extern "C" {

StringObject* menuItemTextGetter(ObjectInstance* item, uint32_t) {
    return LockedString(AsMenuItem(item)->text);
}

void menuItemTextSetter(ObjectInstance* item, uint32_t, StringObject* text) {
    MenuItemFields* m = AsMenuItem(item);
    StoreString(&m->text, text);
    if (!m->menu || !m->inNativeMenu || IsSeparator(item)) return;
    char label[300];
    NativeLabel(item, label, sizeof label);
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = label;
    SetMenuItemInfoA(m->menu->handle, static_cast<UINT>(m->position), TRUE, &info);
    DrawMenuBarOfRuntime();
}

void menuItemCommandKeySetter(ObjectInstance* item, uint32_t, StringObject* key) {
    StoreString(&AsMenuItem(item)->commandKey, key);
}

void RuntimeEnableMenu(ObjectInstance* item) {
    if (!item) return;
    MenuItemFields* m = AsMenuItem(item);
    m->enabled = true;
    if (!m->menu || !m->inNativeMenu) return;
    EnableMenuItem(m->menu->handle, static_cast<UINT>(m->position), MF_BYPOSITION | MF_ENABLED);
    m->appliedEnabled = true;
}

void RuntimeCloseMenuItem(ObjectInstance* item) {
    if (!item || !AsMenuItem(item)->menu) return;
    RemoveItemFromMenu(item);
}

}
