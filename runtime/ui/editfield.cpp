// Edit fields. The pane passes every typed character through KeyDown first;
// in password mode it keeps the actual text itself and lets the control hold
// only asterisks. The text-change and selection-change guards keep a handler
// that changes the field from running again for its own change, and keep the
// filling of a new pane from firing either event.
#include "editfield.h"
#include "classbuilding.h"
#include "controlbase.h"
#include "controlevents.h"
#include "controlfields.h"
#include "editmenu.h"
#include "fonts.h"
#include "nativepane.h"
#include "notificationreceiver.h"
#include "core/settings.h"
#include <richedit.h>
#include <string>

namespace {

constexpr DWORD kSingleLineStyle = ES_AUTOHSCROLL;                           // 128
constexpr DWORD kMultiLineStyle = WS_VSCROLL | ES_AUTOVSCROLL | ES_MULTILINE;  // 0x200044
constexpr int32_t kDefaultLimit = 1000000;

ClassRecord* editFieldClass;
struct {
    const EventDeclaration *keyDown, *gotFocus, *lostFocus, *mouseDown, *mouseUp, *selChange,
        *textChange, *enableMenuItems;
} events;

EditFieldFields* Fields(ObjectInstance* field) { return FieldsOf<EditFieldFields>(field); }

// The guard flag is set for the span of a scope, and only when it was clear.
class Guard {
public:
    explicit Guard(uint8_t* flag) : flag_(*flag ? nullptr : flag) { if (flag_) *flag_ = 1; }
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;
    ~Guard() { if (flag_) *flag_ = 0; }
    bool entered() const { return flag_ != nullptr; }
private:
    uint8_t* flag_;
};

std::string Masked(const std::string& text) {
    std::string shown = text;
    for (char& c : shown)
        if (static_cast<uint8_t>(c) > 31) c = '*';
    return shown;
}

class EditPane : public NativePane {
public:
    explicit EditPane(ObjectInstance* field)
        : NativePane(field, AsControl(field)->runtimeWindow, AsRectControl(field)->bounds) {}

    EditFieldFields* fields() const { return Fields(control_); }

    // --- text ---
    std::string ControlText() const {
        int length = GetWindowTextLengthA(hwnd_);
        std::string text(size_t(length) + 1, '\0');
        GetWindowTextA(hwnd_, &text[0], length + 1);
        text.resize(strlen(text.c_str()));
        return text;
    }
    std::string Text() const { return password_ ? actual_ : ControlText(); }
    void SetText(StringObject* text) override {
        std::string value(StringText(text), StringLength(text));
        if (password_) {
            actual_ = value;
            SetWindowTextA(hwnd_, Masked(value).c_str());
        } else {
            SetWindowTextA(hwnd_, value.c_str());
        }
    }
    StringObject* GetText() override {
        std::string text = Text();
        return NewString(text.data(), uint32_t(text.size()));
    }

    // --- selection ---
    CHARRANGE Selection() const {
        CHARRANGE range = {0, 0};
        SendMessageA(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
        return range;
    }
    void Select(LONG start, LONG end) {
        CHARRANGE range = {start, end};
        SendMessageA(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    }
    bool HasSelection() const {
        CHARRANGE range = Selection();
        return range.cpMax > range.cpMin;
    }
    void ReplaceSelection(const std::string& text) {
        if (password_) ApplyToActual(text);
        std::string shown = password_ ? Masked(text) : text;
        SendMessageA(hwnd_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(shown.c_str()));
    }

    // --- formats ---
    void ApplyCharacterFormat() {
        const ButtonFontFields& font = fields()->font;
        CHARFORMATA format = {};
        format.cbSize = sizeof format;
        format.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_FACE | CFM_SIZE | CFM_CHARSET;
        format.dwEffects = (font.bold ? CFE_BOLD : 0) | (font.italic ? CFE_ITALIC : 0) |
                           (font.underline ? CFE_UNDERLINE : 0);
        format.yHeight = font.textSize * 15;
        format.bCharSet = FontCharacterSet();
        lstrcpynA(format.szFaceName, MappedFaceName(StringText(font.textFont)), 32);
        SendMessageA(hwnd_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
    }
    void ApplyTextColor() {
        CHARFORMATA format = {};
        format.cbSize = sizeof format;
        format.dwMask = CFM_COLOR;
        format.crTextColor = ColorRefOf(fields()->textColor);
        SendMessageA(hwnd_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
    }
    void ApplyBackColor() { SendMessageA(hwnd_, EM_SETBKGNDCOLOR, 0, ColorRefOf(fields()->backColor)); }
    void ApplyReadOnly() { SendMessageA(hwnd_, EM_SETREADONLY, fields()->readOnly ? TRUE : FALSE, 0); }
    void ApplyLimit() {
        int32_t limit = fields()->limitText;
        SendMessageA(hwnd_, EM_EXLIMITTEXT, 0, limit ? limit : kDefaultLimit);
    }

    // Switching password mode keeps the selection where it was.
    void SetPasswordMode(bool on) {
        if (on == password_) return;
        CHARRANGE selection = Selection();
        Guard text(&fields()->textChangeGuard), sel(&fields()->selChangeGuard);
        if (on) {
            actual_ = ControlText();
            password_ = true;
            SendMessageA(hwnd_, EM_SETPASSWORDCHAR, '*', 0);
            SetWindowTextA(hwnd_, Masked(actual_).c_str());
        } else {
            password_ = false;
            SendMessageA(hwnd_, EM_SETPASSWORDCHAR, 0, 0);
            SetWindowTextA(hwnd_, actual_.c_str());
            actual_.clear();
        }
        Select(selection.cpMin, selection.cpMax);
    }
    bool password() const { return password_; }

    // --- what the window hands the pane ---
    LRESULT Notify(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND) Command(HIWORD(wParam));
        else if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == EN_SELCHANGE)
            SelectionChanged();
        return 0;
    }
    bool KeepsArrowKeys() override { return true; }
    bool KeepsTab() override { return fields()->multiLine && fields()->acceptTabs; }
    bool TakesReturn() override { return fields()->multiLine != 0; }
    void EnableMenuItems() override { EnableEditingItems(); }
    bool HandleMenuCommand(ObjectInstance* item) override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_CHAR:
            if (!Typed(static_cast<char>(wParam))) return 0;
            if (password_ && static_cast<uint8_t>(wParam) > 31) wParam = '*';
            break;
        case WM_KEYDOWN:
            if (password_ && EditedByKey(static_cast<UINT>(wParam))) return 0;
            break;
        case WM_PASTE:
            if (password_) return PasteIntoActual(), 0;
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN: {
            POINT at = PointOf(lParam);
            EventGuard hold(control_);
            pressed_ = AskEvent(control_, events.mouseDown, int(at.x), int(at.y));
            break;
        }
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            if (pressed_) {
                POINT at = PointOf(lParam);
                EventGuard hold(control_);
                pressed_ = AskEvent(control_, events.mouseUp, int(at.x), int(at.y));
            }
            pressed_ = false;
            break;
        }
        return CallNative(message, wParam, lParam);
    }

private:
    // KeyDown first; false: the character is dropped.
    bool Typed(char character) {
        char key[2] = {character, 0};
        StringRef text(NewString(key, 1));
        EventGuard hold(control_);
        if (AskEvent(control_, events.keyDown, text.get())) return false;
        if (character == '\t' && !fields()->multiLine) return false;
        if (password_) ApplyTypedToActual(character);
        return true;
    }

    void ApplyToActual(const std::string& text) {
        CHARRANGE range = Selection();
        size_t start = std::min<size_t>(size_t(range.cpMin), actual_.size());
        size_t end = std::min<size_t>(std::max<size_t>(size_t(range.cpMax), start), actual_.size());
        actual_.replace(start, end - start, text);
    }

    void ApplyTypedToActual(char character) {
        if (static_cast<uint8_t>(character) > 31) ApplyToActual(std::string(1, character));
    }

    // The control deletes and pastes on the key itself, before any character
    // message; in password mode the actual text has to follow. True: the key
    // was handled here (a paste, or a cut that would copy asterisks).
    bool EditedByKey(UINT key) {
        const bool control = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
        if ((control && key == 'V') || (shift && key == VK_INSERT)) return PasteIntoActual(), true;
        if ((control && key == 'X') || (shift && key == VK_DELETE)) return true;
        CHARRANGE range = Selection();
        size_t start = std::min<size_t>(size_t(range.cpMin), actual_.size());
        if (range.cpMax > range.cpMin && (key == VK_BACK || key == VK_DELETE)) ApplyToActual("");
        else if (key == VK_BACK && start > 0) actual_.erase(start - 1, 1);
        else if (key == VK_DELETE && start < actual_.size()) actual_.erase(start, 1);
        return false;
    }

    void PasteIntoActual() {
        if (fields()->readOnly || !OpenClipboard(hwnd_)) return;
        std::string text;
        if (HANDLE data = GetClipboardData(CF_TEXT)) {
            if (const char* bytes = static_cast<const char*>(GlobalLock(data))) text = bytes;
            GlobalUnlock(data);
        }
        CloseClipboard();
        ReplaceSelection(text);
    }

    void Command(WORD code) {
        EventGuard hold(control_);
        switch (code) {
        case EN_SETFOCUS:
            SetFocusPane(this);
            FireEvent(control_, events.gotFocus);
            break;
        case EN_KILLFOCUS:
            FireEvent(control_, events.lostFocus);
            break;
        case EN_CHANGE: {
            Guard guard(&fields()->textChangeGuard);
            if (guard.entered()) FireEvent(control_, events.textChange);
            break;
        }
        }
    }

    void SelectionChanged() {
        if (pressed_) return;
        EventGuard hold(control_);
        EnableEditingItems();
        {
            Guard guard(&fields()->selChangeGuard);
            if (guard.entered()) FireEvent(control_, events.selChange);
        }
        EnableEditingItems();
    }

    // The Edit menu's items that the field serves, then its EnableMenuItems.
    void EnableEditingItems() {
        const bool selected = HasSelection(), readOnly = fields()->readOnly != 0;
        if (selected && !readOnly && !password_) EnableMenuItemNamed("EditCut");
        if (selected && !readOnly) EnableMenuItemNamed("EditClear");
        if (selected && !password_) EnableMenuItemNamed("EditCopy");
        if (!readOnly && IsClipboardFormatAvailable(CF_TEXT)) EnableMenuItemNamed("EditPaste");
        FireEvent(control_, events.enableMenuItems);
    }

    bool password_ = false;
    std::string actual_;     // the actual text in password mode
    bool pressed_ = false;   // a press whose MouseDown returned True
};

bool EditPane::HandleMenuCommand(ObjectInstance* item) {
    EventGuard hold(control_);
    if (CallMenuHandlers(control_, item)) return true;
    const bool selected = HasSelection(), readOnly = fields()->readOnly != 0;
    if (selected && MenuItemIs(item, "EditCut") && !readOnly && !password_) {
        SendMessageA(hwnd_, WM_CUT, 0, 0);
        return true;
    }
    if (selected && MenuItemIs(item, "EditCopy") && !password_) {
        SendMessageA(hwnd_, WM_COPY, 0, 0);
        return true;
    }
    if (selected && MenuItemIs(item, "EditClear") && !readOnly) {
        ReplaceSelection("");
        return true;
    }
    if (MenuItemIs(item, "EditPaste") && !readOnly && IsClipboardFormatAvailable(CF_TEXT)) {
        SendMessageA(hwnd_, WM_PASTE, 0, 0);
        return true;
    }
    return false;
}

EditPane* PaneOf(ObjectInstance* field) { return static_cast<EditPane*>(AsControl(field)->pane); }

bool LoadRichEditLibrary() {
    static HMODULE library = LoadLibraryA("RICHED32.DLL");
    return library != nullptr;
}

void Nothing(ObjectInstance*) {}
bool NoAnswer(ObjectInstance*, int, int) { return false; }
// The pane delivers the field's events itself; the receiver stands for it.
const ReceiverOperations kOperations = {&Nothing, &NoAnswer, &NoAnswer, &Nothing, &Nothing};

void CreateEditFieldPane(ObjectInstance* field) {
    EditFieldFields* fields = Fields(field);
    RuntimeWindow* window = fields->rect.control.runtimeWindow;
    if (!window || fields->rect.control.pane || !LoadRichEditLibrary()) return;
    fields->notificationReceiver = NewNotificationReceiver(field, &kOperations);
    EditPane* pane = new EditPane(field);
    DWORD style = fields->multiLine ? kMultiLineStyle : kSingleLineStyle;
    if (!pane->Create("RichEdit", nullptr, style, fields->border ? WS_EX_CLIENTEDGE : 0)) {
        delete pane;
        return;
    }
    AddPane(window, pane);
    fields->rect.control.pane = pane;
    SendMessageA(pane->hwnd(), EM_SETBKGNDCOLOR, 0, GetSysColor(COLOR_WINDOW));
    pane->SetFont(AcquireFont(FontSpecOf(fields->font)));
    pane->ApplyCharacterFormat();
    pane->ApplyReadOnly();
    pane->ApplyTextColor();
    pane->ApplyBackColor();
    {
        Guard text(&fields->textChangeGuard), sel(&fields->selChangeGuard);
        pane->SetText(fields->text);
        pane->ApplyLimit();
    }
    SendMessageA(pane->hwnd(), EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE);
    pane->SetPasswordMode(fields->password);
    if (!fields->rect.enabled) pane->ChangeState(Pane::kDisable);
    if (!fields->rect.visible) pane->ChangeState(Pane::kHide);
}

void ConstructEditField(ObjectInstance* field, ClassRecord*) {
    Fields(field)->backColor = 0xFFFFFF;   // a new field is white, as the system's are
}

void DestroyEditField(ObjectInstance* field, ClassRecord*) {
    EditFieldFields* fields = Fields(field);
    for (StringObject** slot : {&fields->font.textFont, &fields->text, &fields->dataSource, &fields->dataField})
        StoreString(slot, nullptr);
    UnlockObject(fields->notificationReceiver);
    fields->notificationReceiver = nullptr;
}

void RefreshCharacterFormat(ObjectInstance* field) {
    if (EditPane* pane = PaneOf(field)) {
        pane->SetFont(AcquireFont(FontSpecOf(Fields(field)->font)));
        pane->ApplyCharacterFormat();
    }
}

} // namespace

extern "C" {

StringObject* editTextGetter(ObjectInstance* field, uint32_t) {
    if (EditPane* pane = PaneOf(field)) return pane->GetText();
    return LockedString(Fields(field)->text);
}

void editTextSetter(ObjectInstance* field, uint32_t, StringObject* text) {
    if (EditPane* pane = PaneOf(field)) pane->SetText(text);
    StoreString(&Fields(field)->text, text);
}

void editSetString(ObjectInstance* field, StringObject* text) { editTextSetter(field, 0, text); }

#define EDIT_FLAG(Name, member)                                                              \
    bool edit##Name##Getter(ObjectInstance* field, uint32_t) { return Fields(field)->member; } \
    void edit##Name##Setter(ObjectInstance* field, uint32_t, bool value) { Fields(field)->member = value; }
EDIT_FLAG(Border, border)
EDIT_FLAG(MultiLine, multiLine)
EDIT_FLAG(ScrollBar, scrollBar)
#undef EDIT_FLAG

bool editReadOnlyGetter(ObjectInstance* field, uint32_t) { return Fields(field)->readOnly; }
void editReadOnlySetter(ObjectInstance* field, uint32_t, bool value) {
    Fields(field)->readOnly = value;
    if (EditPane* pane = PaneOf(field)) pane->ApplyReadOnly();
}

bool editPasswordGetter(ObjectInstance* field, uint32_t) { return Fields(field)->password; }
void editPasswordSetter(ObjectInstance* field, uint32_t, bool value) {
    Fields(field)->password = value;
    if (EditPane* pane = PaneOf(field)) pane->SetPasswordMode(value);
}

void editTextColorSetter(ObjectInstance* field, uint32_t, uint32_t color) {
    Fields(field)->textColor = color;
    if (EditPane* pane = PaneOf(field)) pane->ApplyTextColor();
}

void editBackColorSetter(ObjectInstance* field, uint32_t, uint32_t color) {
    Fields(field)->backColor = color;
    if (EditPane* pane = PaneOf(field)) pane->ApplyBackColor();
}

int32_t editLimitTextGetter(ObjectInstance* field, uint32_t) { return Fields(field)->limitText; }
void editLimitTextSetter(ObjectInstance* field, uint32_t, int32_t limit) {
    Fields(field)->limitText = limit;
    if (EditPane* pane = PaneOf(field)) pane->ApplyLimit();
}

StringObject* editTextFontGetter(ObjectInstance* field, uint32_t) {
    return LockedString(Fields(field)->font.textFont);
}
void editTextFontSetter(ObjectInstance* field, uint32_t, StringObject* face) {
    StoreString(&Fields(field)->font.textFont, face);
    RefreshCharacterFormat(field);
}
int32_t editTextSizeGetter(ObjectInstance* field, uint32_t) { return Fields(field)->font.textSize; }
void editTextSizeSetter(ObjectInstance* field, uint32_t, int32_t size) {
    Fields(field)->font.textSize = int16_t(size);
    RefreshCharacterFormat(field);
}
#define EDIT_STYLE(Name, member)                                                                  \
    bool edit##Name##Getter(ObjectInstance* field, uint32_t) { return Fields(field)->font.member; } \
    void edit##Name##Setter(ObjectInstance* field, uint32_t, bool value) {                        \
        Fields(field)->font.member = value;                                                       \
        RefreshCharacterFormat(field);                                                            \
    }
EDIT_STYLE(Bold, bold)
EDIT_STYLE(Italic, italic)
EDIT_STYLE(Underline, underline)
#undef EDIT_STYLE

int32_t editSelStartGetter(ObjectInstance* field, uint32_t) {
    EditPane* pane = PaneOf(field);
    return pane ? pane->Selection().cpMin : 0;
}
void editSelStartSetter(ObjectInstance* field, uint32_t, int32_t start) {
    if (EditPane* pane = PaneOf(field)) pane->Select(start, start);
}
int32_t editSelLengthGetter(ObjectInstance* field, uint32_t) {
    EditPane* pane = PaneOf(field);
    if (!pane) return 0;
    CHARRANGE range = pane->Selection();
    return range.cpMax - range.cpMin;
}
void editSelLengthSetter(ObjectInstance* field, uint32_t, int32_t length) {
    if (EditPane* pane = PaneOf(field)) {
        LONG start = pane->Selection().cpMin;
        pane->Select(start, start + (length > 0 ? length : 0));
    }
}
StringObject* editSelTextGetter(ObjectInstance* field, uint32_t) {
    EditPane* pane = PaneOf(field);
    if (!pane) return nullptr;
    CHARRANGE range = pane->Selection();
    std::string text = pane->Text();
    size_t start = std::min<size_t>(size_t(range.cpMin), text.size());
    size_t end = std::min<size_t>(std::max<size_t>(size_t(range.cpMax), start), text.size());
    return NewString(text.data() + start, uint32_t(end - start));
}
void editSelTextSetter(ObjectInstance* field, uint32_t, StringObject* text) {
    if (EditPane* pane = PaneOf(field)) pane->ReplaceSelection(std::string(StringText(text), StringLength(text)));
}

int32_t editScrollPositionGetter(ObjectInstance* field, uint32_t) {
    EditPane* pane = PaneOf(field);
    return pane ? int32_t(SendMessageA(pane->hwnd(), EM_GETFIRSTVISIBLELINE, 0, 0)) : 0;
}
void editScrollPositionSetter(ObjectInstance* field, uint32_t, int32_t line) {
    if (EditPane* pane = PaneOf(field)) {
        int32_t now = int32_t(SendMessageA(pane->hwnd(), EM_GETFIRSTVISIBLELINE, 0, 0));
        SendMessageA(pane->hwnd(), EM_LINESCROLL, 0, line - now);
    }
}
int32_t editLineNumAtCharPos(ObjectInstance* field, int32_t position) {
    EditPane* pane = PaneOf(field);
    return pane ? int32_t(SendMessageA(pane->hwnd(), EM_EXLINEFROMCHAR, 0, position)) : 0;
}
int32_t editCharPosAtLineNum(ObjectInstance* field, int32_t line) {
    EditPane* pane = PaneOf(field);
    return pane ? int32_t(SendMessageA(pane->hwnd(), EM_LINEINDEX, WPARAM(line), 0)) : 0;
}

void editCopyToClipboard(ObjectInstance* field) {
    EditPane* pane = PaneOf(field);
    if (pane && !pane->password()) SendMessageA(pane->hwnd(), WM_COPY, 0, 0);
}
void editPasteFromClipboard(ObjectInstance* field) {
    EditPane* pane = PaneOf(field);
    if (pane && !Fields(field)->readOnly) SendMessageA(pane->hwnd(), WM_PASTE, 0, 0);
}

StringObject* EditDataSourceGetter(ObjectInstance* field, uint32_t) {
    return LockedString(Fields(field)->dataSource);
}
void EditDataSourceSetter(ObjectInstance* field, uint32_t, StringObject* value) {
    StoreString(&Fields(field)->dataSource, value);
}
void EditDataFieldSetter(ObjectInstance* field, uint32_t, StringObject* value) {
    StoreString(&Fields(field)->dataField, value);
}

} // extern "C"

void RegisterEditFieldClass() {
    if (editFieldClass) return;
    editFieldClass = RegisterBuiltinClass("EditField", RectControlClass(), sizeof(EditFieldFields),
                                          &ConstructEditField, &DestroyEditField);
    events.keyDown = DeclareEvent(editFieldClass, "KeyDown");
    events.gotFocus = DeclareEvent(editFieldClass, "GotFocus");
    events.lostFocus = DeclareEvent(editFieldClass, "LostFocus");
    events.mouseDown = DeclareEvent(editFieldClass, "MouseDown");
    events.mouseUp = DeclareEvent(editFieldClass, "MouseUp");
    events.selChange = DeclareEvent(editFieldClass, "SelChange");
    events.textChange = DeclareEvent(editFieldClass, "TextChange");
    events.enableMenuItems = DeclareEvent(editFieldClass, "EnableMenuItems");
    AddBuiltinHandler(editFieldClass, "CreatePane", &CreateEditFieldPane);
    const void* boolGet = reinterpret_cast<const void*>(FieldGetterFor(PropertyType::Boolean));
    const void* boolSet = reinterpret_cast<const void*>(FieldSetterFor(PropertyType::Boolean));
    const void* intGet = reinterpret_cast<const void*>(FieldGetterFor(PropertyType::Integer));
    const void* stringGet = reinterpret_cast<const void*>(FieldGetterFor(PropertyType::String));
    AddClassProperties(editFieldClass, {
        {"Text", PropertyType::String, &editTextGetter, &editTextSetter},
        {"Border", PropertyType::Boolean, &editBorderGetter, &editBorderSetter},
        {"MultiLine", PropertyType::Boolean, &editMultiLineGetter, &editMultiLineSetter},
        {"ScrollBar", PropertyType::Boolean, &editScrollBarGetter, &editScrollBarSetter},
        {"ReadOnly", PropertyType::Boolean, &editReadOnlyGetter, &editReadOnlySetter},
        {"Password", PropertyType::Boolean, &editPasswordGetter, &editPasswordSetter},
        {"Styled", PropertyType::Boolean, boolGet, boolSet, offsetof(EditFieldFields, styled)},
        {"AcceptTabs", PropertyType::Boolean, boolGet, boolSet, offsetof(EditFieldFields, acceptTabs)},
        {"LiveUpdate", PropertyType::Boolean, boolGet, boolSet, offsetof(EditFieldFields, liveUpdate)},
        {"UseFocusRing", PropertyType::Boolean, boolGet, boolSet, offsetof(EditFieldFields, useFocusRing)},
        {"TextColor", PropertyType::Color, intGet, &editTextColorSetter, offsetof(EditFieldFields, textColor)},
        {"BackColor", PropertyType::Color, intGet, &editBackColorSetter, offsetof(EditFieldFields, backColor)},
        {"TextFont", PropertyType::String, &editTextFontGetter, &editTextFontSetter},
        {"TextSize", PropertyType::Integer, &editTextSizeGetter, &editTextSizeSetter},
        {"Bold", PropertyType::Boolean, &editBoldGetter, &editBoldSetter},
        {"Italic", PropertyType::Boolean, &editItalicGetter, &editItalicSetter},
        {"Underline", PropertyType::Boolean, &editUnderlineGetter, &editUnderlineSetter},
        {"SelStart", PropertyType::Integer, &editSelStartGetter, &editSelStartSetter},
        {"SelLength", PropertyType::Integer, &editSelLengthGetter, &editSelLengthSetter},
        {"SelText", PropertyType::String, &editSelTextGetter, &editSelTextSetter},
        {"LimitText", PropertyType::Integer, &editLimitTextGetter, &editLimitTextSetter},
        {"DataSource", PropertyType::String, &EditDataSourceGetter, &EditDataSourceSetter},
        {"DataField", PropertyType::String, stringGet, &EditDataFieldSetter, offsetof(EditFieldFields, dataField)},
    });
    AddClassMethods(editFieldClass, {
        {"setString", &editSetString},
        {"ScrollPosition", &editScrollPositionGetter},
        {"LineNumAtCharPos", &editLineNumAtCharPos},
        {"CharPosAtLineNum", &editCharPosAtLineNum},
        {"Copy", &editCopyToClipboard},
        {"Paste", &editPasteFromClipboard},
    });
}

ClassRecord* EditFieldClass() { return editFieldClass; }
