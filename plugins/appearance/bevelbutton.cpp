// BevelButton: a push, toggle or sticky button with a bevelled frame (or
// the toolbar-button theme), an icon and a caption placed by its
// properties, and an optional pop-up menu.
#include "bevelbuttondrawing.h"
#include "controls.h"
#include "runtime.h"
#include "themesupport.h"
#include <cstddef>

using namespace plugin;

namespace apctl {

namespace {

struct MenuRow {
    MenuRow* next;
    StringObject* text;    // null for a separator
    bool separator;
};

struct Receiver {
    Receiver* next;
    void* object;
};

struct BevelData {
    uint32_t unused0;
    StringObject* caption;            // 4
    uint32_t unused8;
    int32_t hasMenu;                  // 12
    uint32_t unused16;
    int32_t iconAlign;                // 20
    int32_t captionAlign;             // 24
    int32_t captionPlacement;         // 28
    int16_t menuValue;                // 32
    uint8_t value;                    // 34
    uint8_t unused35;
    MenuRow* rows;                    // 36
    StringObject* textFont;           // 40
    int32_t textSize;                 // 44
    uint8_t bold, italic, underline;  // 48, 49, 50
    uint8_t unused51;
    uint32_t iconDescription[4];      // 52: width at 60, height at 64
    void* icon;                       // 68
    int32_t iconDX, iconDY;           // 72, 76
    int32_t captionDelta;             // 80
    int32_t bevel;                    // 84
    uint32_t unused88[3];
    int32_t buttonType;               // 100: 0 push, 1 toggle, 2 sticky
    Receiver* receivers;              // 104
    uint8_t pressed;                  // 108
    uint8_t hot;                      // 109
    uint8_t mouseDownHandled;         // 110
    uint8_t unused111;
};
static_assert(sizeof(BevelData) == 112, "the bevel button's data is 112 bytes");
static_assert(offsetof(BevelData, buttonType) == 100, "ButtonType lives at 100");

SharedTheme toolbarTheme(L"Toolbar");

template <typename T>
T* NewRecord(const T& value) {
    T* record = static_cast<T*>(HeapAlloc(GetProcessHeap(), 0, sizeof(T)));
    if (record) *record = value;
    return record;
}

void DeleteRecord(void* record) { HeapFree(GetProcessHeap(), 0, record); }
ControlDefinition definition;

EventDefinition events[] = {{"Action", nullptr},
                            {"MouseDown(X As Integer, Y As Integer) As Boolean", nullptr},
                            {"MouseUp(X As Integer, Y As Integer) As Boolean", nullptr}};
EventDefinition& actionEvent = events[0];
EventDefinition& mouseDownEvent = events[1];
EventDefinition& mouseUpEvent = events[2];

BevelData* Data(Instance* instance) {
    return reinterpret_cast<BevelData*>(static_cast<char*>(instance) + definition.dataOffset);
}

// --- drawing ---

void DrawIcon(HDC dc, const RECT& where, void* context) {
    BevelData* data = static_cast<BevelData*>(context);
    DrawPicture(dc, data->icon, where, 0);
}

void Draw(Instance* instance, void* graphics) {
    BevelData* data = Data(instance);
    StringObject* caption = InterpretConstantValue(data->caption);
    ControlDrawing drawing(instance, graphics);
    if (drawing.dc()) {
        BevelLook look = {};
        look.caption = TextOf(caption);
        look.captionLength = LengthOf(caption);
        look.enabled = ControlEnabled(instance);
        look.pressed = data->pressed;
        look.value = data->value;
        look.hot = data->hot;
        look.bevel = data->bevel;
        look.hasMenu = data->hasMenu;
        look.captionAlign = data->captionAlign;
        look.captionPlacement = data->captionPlacement;
        look.captionDelta = data->captionDelta;
        look.fontName = TextOf(data->textFont);
        look.fontSize = data->textSize;
        look.bold = data->bold;
        look.italic = data->italic;
        look.underline = data->underline;
        look.charset = Win32Charset();
        look.hasIcon = data->icon != nullptr;
        look.iconWidth = static_cast<int>(data->iconDescription[2]);
        look.iconHeight = static_cast<int>(data->iconDescription[3]);
        look.iconAlign = data->iconAlign;
        look.iconDX = data->iconDX;
        look.iconDY = data->iconDY;
        look.drawIcon = DrawIcon;
        look.iconContext = data;
        DrawBevelButton(drawing.dc(), ControlRect(instance), look, toolbarTheme.painter());
    }
    UnlockString(caption);
}

// --- the menu ---

int RowCount(const BevelData* data) {
    int count = 0;
    for (MenuRow* row = data->rows; row; row = row->next) count++;
    return count;
}

MenuRow** RowLink(BevelData* data, int position) {
    MenuRow** link = &data->rows;
    for (int i = 0; i < position && *link; i++) link = &(*link)->next;
    return link;
}

MenuRow* RowAt(BevelData* data, int position) {
    if (position < 0) return nullptr;
    return *RowLink(data, position);
}

void InsertRowAt(BevelData* data, int position, StringObject* text, bool separator) {
    MenuRow** link = RowLink(data, position < 0 ? 0 : position);
    MenuRow* row = NewRecord(MenuRow{*link, text, separator});
    if (!row) return;
    LockString(text);
    *link = row;
}

void DeleteAllRows(Instance* instance) {
    BevelData* data = Data(instance);
    while (MenuRow* row = data->rows) {
        data->rows = row->next;
        UnlockString(row->text);
        DeleteRecord(row);
    }
}

void AddRow(Instance* instance, StringObject* text) {
    BevelData* data = Data(instance);
    InsertRowAt(data, RowCount(data), text, false);
}

void AddSeparator(Instance* instance) {
    BevelData* data = Data(instance);
    InsertRowAt(data, RowCount(data), nullptr, true);
}

void RemoveRow(Instance* instance, int position) {
    BevelData* data = Data(instance);
    if (position < 0 || position >= RowCount(data)) return;
    MenuRow** link = RowLink(data, position);
    MenuRow* row = *link;
    *link = row->next;
    UnlockString(row->text);
    DeleteRecord(row);
}

void InsertRow(Instance* instance, int position, StringObject* text) {
    BevelData* data = Data(instance);
    int count = RowCount(data);
    InsertRowAt(data, position <= 0 ? 0 : position >= count ? count : position, text, false);
}

StringObject* List(Instance* instance, int position) {
    MenuRow* row = RowAt(Data(instance), position);
    if (!row || row->separator) return nullptr;
    LockString(row->text);
    return row->text;
}

void AssignList(Instance* instance, int position, StringObject* text) {
    MenuRow* row = RowAt(Data(instance), position);
    if (!row) return;
    LockString(text);
    UnlockString(row->text);
    row->text = text;
}

void AddReceiver(Instance* instance, void* receiver) {
    BevelData* data = Data(instance);
    Receiver* added = NewRecord(Receiver{data->receivers, receiver});
    if (!added) return;
    LockObject(receiver);
    data->receivers = added;
}

void RemoveReceiver(Instance* instance, void* receiver) {
    for (Receiver** link = &Data(instance)->receivers; *link; link = &(*link)->next)
        if ((*link)->object == receiver) {
            Receiver* gone = *link;
            *link = gone->next;
            UnlockObject(gone->object);
            DeleteRecord(gone);
            return;
        }
}

// Shows the menu at the button's bottom-left (HasMenu 1) or top-right
// corner; the command chosen, or 0.
int ShowMenu(Instance* instance, BevelData* data) {
    HMENU menu = CreatePopupMenu();
    int position = 0;
    for (MenuRow* row = data->rows; row; row = row->next, position++) {
        if (row->separator) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT flags = MF_STRING | (position == data->menuValue ? MF_CHECKED : 0);
        AppendMenuA(menu, flags, 1000 + position, TextOf(row->text));
    }
    RECT r = ControlRect(instance);
    POINT at = data->hasMenu == 1 ? POINT{r.left, r.bottom} : POINT{r.right, r.top};
    ClientToScreen(ControlHWND(instance), &at);
    int command = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, 0,
                                 ControlHWND(instance), nullptr);
    DestroyMenu(menu);
    return command;
}

// --- behaviour ---

void Construct(Instance* instance) {
    BevelData* data = Data(instance);
    data->caption = DefaultControlCaption();
    data->captionPlacement = 1;
    data->captionAlign = 3;
    data->textFont = DefaultControlFont();
    data->textSize = DefaultControlFontSize();
    data->hot = 0;
    data->mouseDownHandled = 0;
    toolbarTheme.Acquire();
}

void Destruct(Instance* instance) {
    BevelData* data = Data(instance);
    UnlockString(data->caption);
    UnlockString(data->textFont);
    DeleteAllRows(instance);
    ReplacePicture(&data->icon, data->iconDescription, nullptr);
    while (Receiver* receiver = data->receivers) {
        data->receivers = receiver->next;
        UnlockObject(receiver->object);
        DeleteRecord(receiver);
    }
    toolbarTheme.Release();
}

void Redraw(Instance* instance, void* graphics) { Draw(instance, graphics); }

bool Inside(const RECT& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

bool Click(Instance* instance, int x, int y, int) {
    if (!ControlEnabled(instance)) return true;
    BevelData* data = Data(instance);
    RECT r = ControlRect(instance);
    data->pressed = 1;
    Draw(instance, nullptr);
    data->mouseDownHandled = FireMouseEvent(instance, mouseDownEvent, x - r.left, y - r.top);
    if (!data->hasMenu) return true;
    int command = ShowMenu(instance, data);
    data->pressed = 0;
    Draw(instance, nullptr);
    if (command >= 1000) {
        data->menuValue = static_cast<int16_t>(command - 1000);
        FireEvent(instance, actionEvent);
    }
    return false;
}

void Drag(Instance* instance, int x, int y) {
    BevelData* data = Data(instance);
    if (data->hasMenu || !ControlEnabled(instance)) return;
    bool inside = Inside(ControlRect(instance), x, y);
    if (inside != (data->pressed != 0)) {
        data->pressed = inside;
        Draw(instance, nullptr);
    }
}

void Release(Instance* instance, int x, int y) {
    if (!ControlEnabled(instance)) return;
    BevelData* data = Data(instance);
    if (data->hasMenu) {
        data->pressed = 0;
        Draw(instance, nullptr);
    }
    if (data->pressed) {
        data->pressed = 0;
        if (data->buttonType == 1) data->value = !data->value;
        else if (data->buttonType == 2) data->value = 1;
        Draw(instance, nullptr);
        bool handled = false;
        if (data->mouseDownHandled) {
            RECT r = ControlRect(instance);
            handled = FireMouseEvent(instance, mouseUpEvent, x - r.left, y - r.top);
        }
        if (!handled) FireEvent(instance, actionEvent);
    }
    data->mouseDownHandled = 0;
    using PerformAction = void (*)(void*);
    for (Receiver* receiver = data->receivers; receiver; receiver = receiver->next)
        if (auto perform = reinterpret_cast<PerformAction>(
                InterfaceRoutine(receiver->object, "actionNotificationReceiver", "PerformAction")))
            perform(receiver->object);
}

void Close(Instance*) {}

void SetHot(Instance* instance, bool hot) {
    if (!toolbarTheme.painter().themed()) return;
    Data(instance)->hot = hot;
    InvalidateControl(instance);
}
void Enter(Instance* instance) { SetHot(instance, true); }
void Exit(Instance* instance) { SetHot(instance, false); }
void Refresh(Instance* instance) { InvalidateControl(instance); }
void ResetFont(Instance* instance) {
    BevelData* data = Data(instance);
    UnlockString(data->textFont);
    data->textFont = DefaultControlFont();
    data->textSize = DefaultControlFontSize();
}

// --- properties ---

StringObject* CaptionGetter(Instance* instance, int) {
    StringObject* caption = Data(instance)->caption;
    LockString(caption);
    return caption;
}

void CaptionSetter(Instance* instance, int, StringObject* caption) {
    BevelData* data = Data(instance);
    LockString(caption);
    UnlockString(data->caption);
    data->caption = caption;
    InvalidateControl(instance);
    SetAccelerator(instance, caption);
}

void IconSetter(Instance* instance, int, void* picture) {
    BevelData* data = Data(instance);
    ReplacePicture(&data->icon, data->iconDescription, picture);
    InvalidateControl(instance);
}

// The integer setters store at the offset they are given.
void IntegerSetter(Instance* instance, int offset, int32_t value) {
    *reinterpret_cast<int32_t*>(reinterpret_cast<char*>(Data(instance)) + offset) = value;
    InvalidateControl(instance);
}

void ValueSetter(Instance* instance, int, bool value) {
    Data(instance)->value = value;
    InvalidateControl(instance);
}

int32_t MenuValueGetter(Instance* instance, int) { return Data(instance)->menuValue; }
void MenuValueSetter(Instance* instance, int, int32_t value) {
    Data(instance)->menuValue = static_cast<int16_t>(value);
}

const char* MappedFontName(const char* name) {
    struct Mapping { const char* from; const char* to; };
    static const Mapping kMappings[] = {
        {"System", "MS Sans Serif"}, {"Application", "MS Sans Serif"}, {"Geneva", "MS Sans Serif"},
        {"Courier", "Courier New"},  {"Times", "Times New Roman"},     {"Helvetica", "Arial"},
        {"Osaka", "MS UI Gothic"}};
    for (const Mapping& mapping : kMappings)
        if (lstrcmpiA(name, mapping.from) == 0) return mapping.to;
    return nullptr;
}

void TextFontSetter(Instance* instance, int, StringObject* name) {
    BevelData* data = Data(instance);
    UnlockString(data->textFont);
    const char* mapped = MappedFontName(TextOf(name));
    if (mapped) {
        data->textFont = BuildString(mapped);
    } else {
        LockString(name);
        data->textFont = name;
    }
    InvalidateControl(instance);
}

const char* const kEnumTexts[] = {"=#484", "=#485", "=#486", "=#487", "=#488", "=#489", "=#490",
                                  "=#491", "=#492", "=#493", "=#494", "=#495", "=#496"};

const PropertyDefinition kProperties[] = {
    {"Appearance", "Caption", "String", 1, Code(CaptionGetter), Code(CaptionSetter), 4, 0, 0, nullptr},
    {"Appearance", "CaptionAlign", "Integer", 1, kDirect, Code(IntegerSetter), 24, 0, 4, kEnumTexts},
    {"Appearance", "CaptionPlacement", "Integer", 1, kDirect, Code(IntegerSetter), 28, 0, 6, kEnumTexts + 4},
    {"Appearance", "CaptionDelta", "Integer", 1, kDirect, Code(IntegerSetter), 80, 0, 0, nullptr},
    {"Appearance", "Icon", "Picture", 1, kDirect, Code(IconSetter), 68, 0, 0, nullptr},
    {"Appearance", "IconAlign", "Integer", 1, kDirect, Code(IntegerSetter), 20, 0, 10, kEnumTexts},
    {"Appearance", "IconDX", "Integer", 1, kDirect, Code(IntegerSetter), 72, 0, 0, nullptr},
    {"Appearance", "IconDY", "Integer", 1, kDirect, Code(IntegerSetter), 76, 0, 0, nullptr},
    {"Appearance", "Bevel", "Integer", 1, kDirect, kDirect, 84, 0, 3, kEnumTexts + 10},
    {"Appearance", "HasMenu", "Integer", 1, kDirect, kDirect, 12, 0, 3, kEnumTexts + 10},
    {"Initial State", "Value", "Boolean", 1, kDirect, Code(ValueSetter), 34, 0, 0, nullptr},
    {"Initial State", "MenuValue", "Integer", 1, Code(MenuValueGetter), Code(MenuValueSetter), 32, 0, 0, nullptr},
    {"Behavior", "ButtonType", "integer", 1, kDirect, kDirect, 100, 0, 3, kEnumTexts + 10},
    {"Font", "TextFont", "string", 1, kDirect, Code(TextFontSetter), 40, 0, 0, nullptr},
    {"Font", "TextSize", "integer", 1, kDirect, kDirect, 44, 0, 0, nullptr},
    {"Font", "Bold", "boolean", 1, kDirect, kDirect, 48, 0, 0, nullptr},
    {"Font", "Italic", "boolean", 1, kDirect, kDirect, 49, 0, 0, nullptr},
    {"Font", "Underline", "boolean", 1, kDirect, kDirect, 50, 0, 0, nullptr},
};

const MethodDefinition kMethods[] = {
    {Code(DeleteAllRows), nullptr, "DeleteAllRows"},
    {Code(AddRow), nullptr, "AddRow(text As String)"},
    {Code(AddSeparator), nullptr, "AddSeparator"},
    {Code(RemoveRow), nullptr, "RemoveRow(row As Integer)"},
    {Code(InsertRow), nullptr, "InsertRow(row As Integer, text As String)"},
    {Code(List), Code(AssignList), "List(row As Integer) As String"},
    {Code(AddReceiver), nullptr, "addActionNotificationReceiver(receiver As actionNotificationReceiver)"},
    {Code(RemoveReceiver), nullptr, "removeActionNotificationReceiver(receiver As actionNotificationReceiver)"},
};

void* const kBehaviour[25] = {
    Code(Construct), Code(Destruct), Code(Redraw), Code(Click), Code(Drag), Code(Release),
    nullptr, nullptr, nullptr, nullptr, Code(Close), nullptr, Code(Redraw), nullptr,
    Code(Refresh), Code(ResetFont), Code(Enter), Code(Exit)};

const char* const kTexts[] = {"ActionSource", "%1 pressed", ""};

} // namespace

void RegisterBevelButton() {
    definition = ControlDefinition{5, "BevelButton", sizeof(BevelData), 8 | 16, 172, 173, 60, 22,
                                   kProperties, sizeof kProperties / sizeof kProperties[0],
                                   kMethods, sizeof kMethods / sizeof kMethods[0],
                                   events, 3, kBehaviour, 0, nullptr, 0, "ActionSource", kTexts, 1};
    RegisterControl(&definition);
}

} // namespace apctl
