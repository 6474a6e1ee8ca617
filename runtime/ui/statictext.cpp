// Static texts. The pane keeps its own copy of what it shows, so that a
// change of the control's fields is drawn only when it reaches the pane.
// The pane's window text is the text it shows, for screen readers and test
// drivers.
#include "statictext.h"
#include "classbuilding.h"
#include "controlbase.h"
#include "controlevents.h"
#include "controlfields.h"
#include "controlshortcuts.h"
#include "drawnpane.h"
#include "statictextdrawing.h"

namespace {

ClassRecord* staticTextClass;
const EventDeclaration* acceleratorKeyEvent;
const EventDeclaration* mouseDownEvent;
const EventDeclaration* mouseDragEvent;
const EventDeclaration* mouseUpEvent;

StaticTextFields* Fields(ObjectInstance* text) { return FieldsOf<StaticTextFields>(text); }

FontSpec SpecOf(const StaticTextFields* fields) {
    return FontSpec{fields->textFont, fields->bold, fields->italic, fields->underline, fields->textSize};
}

bool SameSpec(const FontSpec& a, const FontSpec& b) {
    return a.bold == b.bold && a.italic == b.italic && a.underline == b.underline &&
           a.textSize == b.textSize && StringLength(a.textFont) == StringLength(b.textFont) &&
           lstrcmpA(StringText(a.textFont), StringText(b.textFont)) == 0;
}

class StaticTextPane : public DrawnPane {
public:
    explicit StaticTextPane(ObjectInstance* text)
        : DrawnPane(text, AsControl(text)->runtimeWindow, AsRectControl(text)->bounds) {
        StaticTextFields* fields = Fields(text);
        look_ = StaticTextLook{nullptr, fields->textAlign, fields->textColor, fields->multiLine != 0,
                               true, FontSpec{}};
        StoreString(&look_.text, fields->text);
        TakeSpec(SpecOf(fields));
    }


    void Paint(HDC dc) override {
        if (!visible) return;
        look_.active = enabled && active;
        DrawStaticText(dc, Area(), look_);
    }

    void SetText(StringObject* text) override {
        StoreString(&look_.text, text);
        if (hwnd_) SetWindowTextA(hwnd_, StringText(text));
        Invalidate();
    }
    StringObject* GetText() override { return LockedString(look_.text); }

    void SetAlign(int16_t align) { look_.align = align; Invalidate(); }
    void SetColor(uint32_t color) {
        if (color == look_.color) return;
        look_.color = color;
        Invalidate();
    }
    void SetMultiLine(bool multiLine) { look_.multiLine = multiLine; Invalidate(); }
    void SetSpec(const FontSpec& spec) {
        if (SameSpec(spec, look_.font)) return;
        TakeSpec(spec);
        Invalidate();
    }

    // MouseDown's answer decides whether MouseDrag and MouseUp follow.
    bool MouseDown(int x, int y, bool) override {
        EventGuard hold(control_);
        bool tracked = AskEvent(control_, mouseDownEvent, x - bounds_.left, y - bounds_.top);
        Fields(control_)->mouseTracking = tracked;
        return tracked;
    }
    void MouseDrag(int x, int y) override {
        EventGuard hold(control_);
        FireEvent(control_, mouseDragEvent, x - bounds_.left, y - bounds_.top);
    }
    void MouseUp(int x, int y) override {
        EventGuard hold(control_);
        AskEvent(control_, mouseUpEvent, x - bounds_.left, y - bounds_.top);
    }

    void ActivateShortcut() override { FireStaticTextAcceleratorKey(control_); }

    void Close() override {
        RemoveShortcutsOf(nullptr, this);
        DrawnPane::Close();
        StoreString(&look_.text, nullptr);
        StoreString(&look_.font.textFont, nullptr);
        ReleaseFont(font_);
        font_ = nullptr;
    }

private:
    // Keeps one use of the font while the pane shows it, so that painting
    // finds it in the cache.
    void TakeSpec(const FontSpec& spec) {
        StringObject* face = spec.textFont;
        RuntimeLockString(face);
        RuntimeUnlockString(look_.font.textFont);
        look_.font = spec;
        HFONT previous = font_;
        font_ = AcquireFont(spec);
        ReleaseFont(previous);
    }

    StaticTextLook look_;
    HFONT font_ = nullptr;
};

StaticTextPane* PaneOf(ObjectInstance* text) { return static_cast<StaticTextPane*>(AsControl(text)->pane); }

void RegisterTextMnemonic(ObjectInstance* text) {
    if (Pane* pane = AsControl(text)->pane) RegisterMnemonic(pane, Fields(text)->text, ShortcutKind::StaticText);
}

void CreateStaticTextPane(ObjectInstance* text) {
    StaticTextFields* fields = Fields(text);
    RuntimeWindow* window = fields->rect.control.runtimeWindow;
    if (!window || fields->rect.control.pane) return;
    StaticTextPane* pane = new StaticTextPane(text);
    if (!CreateDrawnPaneWindow(pane)) {
        delete pane;
        return;
    }
    SetWindowTextA(pane->hwnd(), StringText(fields->text));
    AddPane(window, pane);
    fields->rect.control.pane = pane;
    if (!fields->rect.visible) pane->ChangeState(Pane::kHide);
    RegisterTextMnemonic(text);
}

void DestroyStaticText(ObjectInstance* text, ClassRecord*) {
    StaticTextFields* fields = Fields(text);
    for (StringObject** field : {&fields->textFont, &fields->text, &fields->dataSource, &fields->dataField})
        StoreString(field, nullptr);
}

void RefreshSpec(ObjectInstance* text) {
    if (StaticTextPane* pane = PaneOf(text)) pane->SetSpec(SpecOf(Fields(text)));
}

} // namespace

void FireStaticTextAcceleratorKey(ObjectInstance* text) {
    EventGuard hold(text);
    FireEvent(text, acceleratorKeyEvent);
}

extern "C" {

void staticCaptionSetter(ObjectInstance* text, uint32_t, StringObject* value) {
    StoreString(&Fields(text)->text, value);
    if (StaticTextPane* pane = PaneOf(text)) {
        pane->SetText(value);
        RegisterTextMnemonic(text);
    }
}

void staticTextAlignSetter(ObjectInstance* text, uint32_t, int32_t align) {
    Fields(text)->textAlign = int16_t(align);
    if (StaticTextPane* pane = PaneOf(text)) pane->SetAlign(int16_t(align));
}

void staticTextColorSetter(ObjectInstance* text, uint32_t, uint32_t color) {
    Fields(text)->textColor = color;
    if (StaticTextPane* pane = PaneOf(text)) pane->SetColor(color);
}

void staticTextFontSetter(ObjectInstance* text, uint32_t, StringObject* face) {
    StoreString(&Fields(text)->textFont, face);
    RefreshSpec(text);
}

void staticTextSizeSetter(ObjectInstance* text, uint32_t, int32_t size) {
    Fields(text)->textSize = int16_t(size);
    RefreshSpec(text);
}

// Bold, Italic, Underline and MultiLine: the parameter is the field's offset.
void staticAttributeSetter(ObjectInstance* text, uint32_t offset, bool value) {
    StaticTextFields* fields = Fields(text);
    if (offset == offsetof(StaticTextFields, multiLine)) {
        fields->multiLine = value;
        if (StaticTextPane* pane = PaneOf(text)) pane->SetMultiLine(value);
        return;
    }
    if (offset == offsetof(StaticTextFields, bold)) fields->bold = value;
    else if (offset == offsetof(StaticTextFields, italic)) fields->italic = value;
    else if (offset == offsetof(StaticTextFields, underline)) fields->underline = value;
    else return;
    RefreshSpec(text);
}

StringObject* StaticTextDataSourceGetter(ObjectInstance*, uint32_t) { return nullptr; }
void StaticTextDataSourceSetter(ObjectInstance* text, uint32_t, StringObject* value) {
    StoreString(&Fields(text)->dataSource, value);
}
void StaticTextDataFieldSetter(ObjectInstance* text, uint32_t, StringObject* value) {
    StoreString(&Fields(text)->dataField, value);
}

} // extern "C"

void RegisterStaticTextClass() {
    if (staticTextClass) return;
    staticTextClass = RegisterBuiltinClass("StaticText", RectControlClass(), sizeof(StaticTextFields),
                                           nullptr, &DestroyStaticText);
    acceleratorKeyEvent = DeclareEvent(staticTextClass, "AcceleratorKey");
    mouseDownEvent = DeclareEvent(staticTextClass, "MouseDown");
    mouseDragEvent = DeclareEvent(staticTextClass, "MouseDrag");
    mouseUpEvent = DeclareEvent(staticTextClass, "MouseUp");
    AddBuiltinHandler(staticTextClass, "CreatePane", &CreateStaticTextPane);
    const void* stringGet = reinterpret_cast<const void*>(FieldGetterFor(PropertyType::String));
    const void* boolGet = reinterpret_cast<const void*>(FieldGetterFor(PropertyType::Boolean));
    const void* intGet = reinterpret_cast<const void*>(FieldGetterFor(PropertyType::Integer));
    const void* shortGet = reinterpret_cast<const void*>(Int16FieldGetter());
    AddClassProperties(staticTextClass, {
        {"Text", PropertyType::String, stringGet, &staticCaptionSetter, offsetof(StaticTextFields, text)},
        {"Caption", PropertyType::String, stringGet, &staticCaptionSetter, offsetof(StaticTextFields, text)},
        {"TextAlign", PropertyType::Integer, shortGet, &staticTextAlignSetter,
         offsetof(StaticTextFields, textAlign)},
        {"TextColor", PropertyType::Color, intGet, &staticTextColorSetter,
         offsetof(StaticTextFields, textColor)},
        {"TextFont", PropertyType::String, stringGet, &staticTextFontSetter,
         offsetof(StaticTextFields, textFont)},
        {"TextSize", PropertyType::Integer, shortGet, &staticTextSizeSetter,
         offsetof(StaticTextFields, textSize)},
        {"Bold", PropertyType::Boolean, boolGet, &staticAttributeSetter, offsetof(StaticTextFields, bold)},
        {"Italic", PropertyType::Boolean, boolGet, &staticAttributeSetter, offsetof(StaticTextFields, italic)},
        {"Underline", PropertyType::Boolean, boolGet, &staticAttributeSetter,
         offsetof(StaticTextFields, underline)},
        {"MultiLine", PropertyType::Boolean, boolGet, &staticAttributeSetter,
         offsetof(StaticTextFields, multiLine)},
        {"DataSource", PropertyType::String, &StaticTextDataSourceGetter, &StaticTextDataSourceSetter,
         offsetof(StaticTextFields, dataSource)},
        {"DataField", PropertyType::String, stringGet, &StaticTextDataFieldSetter,
         offsetof(StaticTextFields, dataField)},
    });
}

ClassRecord* StaticTextClass() { return staticTextClass; }
