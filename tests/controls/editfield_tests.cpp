// Edit fields over RichEdit in a real window, typed into with real keys.
#include <gtest/gtest.h>
#include "controlhost.h"
#include "testclasses.h"
#include "ui/controlclasses.h"
#include "ui/controlfields.h"
#include "ui/editfield.h"
#include "ui/menucommands.h"
#include "ui/menuitems.h"
#include <richedit.h>
#include <string>

extern "C" {
StringObject* editTextGetter(ObjectInstance*, uint32_t);
void editTextSetter(ObjectInstance*, uint32_t, StringObject*);
void editPasswordSetter(ObjectInstance*, uint32_t, bool);
void editLimitTextSetter(ObjectInstance*, uint32_t, int32_t);
void editReadOnlySetter(ObjectInstance*, uint32_t, bool);
void editBorderSetter(ObjectInstance*, uint32_t, bool);
void editMultiLineSetter(ObjectInstance*, uint32_t, bool);
void editTextFontSetter(ObjectInstance*, uint32_t, StringObject*);
void editTextSizeSetter(ObjectInstance*, uint32_t, int32_t);
void editBoldSetter(ObjectInstance*, uint32_t, bool);
void editTextColorSetter(ObjectInstance*, uint32_t, uint32_t);
int32_t editSelStartGetter(ObjectInstance*, uint32_t);
int32_t editSelLengthGetter(ObjectInstance*, uint32_t);
void editSelStartSetter(ObjectInstance*, uint32_t, int32_t);
void editSelLengthSetter(ObjectInstance*, uint32_t, int32_t);
StringObject* editSelTextGetter(ObjectInstance*, uint32_t);
}

namespace {

std::string log;
char refused;                 // KeyDown returns True for this character
ObjectInstance* rewriting;    // a field whose TextChange sets its text

std::string Read(StringObject* s) {
    std::string text(StringText(s), StringLength(s));
    RuntimeUnlockString(s);
    return text;
}

extern "C" bool OnFieldKeyDown(ObjectInstance*, StringObject* key) {
    log += "K";
    return StringLength(key) == 1 && StringText(key)[0] == refused;
}
extern "C" void OnFieldTextChange(ObjectInstance* field) {
    log += "T";
    if (field == rewriting) {
        StringRef text(NewStringFromText("rewritten"));
        editTextSetter(field, 0, text.get());
    }
}
extern "C" void OnFieldGotFocus(ObjectInstance*) { log += "G"; }
extern "C" void OnFieldSelChange(ObjectInstance*) { log += "S"; }

class EditFields : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterControlClasses(); }
    void SetUp() override {
        log.clear();
        refused = 0;
        rewriting = nullptr;
        fieldClass = TestSubclass(EditFieldClass(), {{"KeyDown", (void*)&OnFieldKeyDown},
                                                     {"TextChange", (void*)&OnFieldTextChange},
                                                     {"GotFocus", (void*)&OnFieldGotFocus}});
    }
    ObjectInstance* Field(const char* text = nullptr) {
        ObjectInstance* field = host.New(fieldClass, 20, 20, 160, 22);
        editBorderSetter(field, 0, true);
        if (text) {
            StringRef value(NewStringFromText(text));
            editTextSetter(field, 0, value.get());
        }
        return field;
    }
    void Focus(ObjectInstance* field) {
        ClickAt(host.hwnd(), 170, 31);   // into the field, to the right of its text
    }
    static HWND Hwnd(ObjectInstance* field) { return AsControl(field)->pane->hwnd(); }
    static std::string Shown(ObjectInstance* field) {
        char text[256] = "";
        GetWindowTextA(Hwnd(field), text, sizeof text);
        return text;
    }
    static std::string Text(ObjectInstance* field) { return Read(editTextGetter(field, 0)); }
    ControlHost host{240, 120};
    ClassRecord* fieldClass = nullptr;
};

TEST_F(EditFields, ThePaneIsASingleLineRichEditWithABorder) {
    ObjectInstance* field = Field();
    EXPECT_EQ(Text(field), "") << "an empty field reads the empty string";
    host.CreatePane(field);
    char name[32];
    GetClassNameA(Hwnd(field), name, sizeof name);
    EXPECT_EQ(lstrcmpiA(name, "RichEdit"), 0) << name;
    LONG style = GetWindowLongA(Hwnd(field), GWL_STYLE);
    EXPECT_EQ(style & (ES_AUTOHSCROLL | ES_MULTILINE), ES_AUTOHSCROLL);
    EXPECT_TRUE(GetWindowLongA(Hwnd(field), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(SendMessageA(Hwnd(field), EM_GETLIMITTEXT, 0, 0), 1000000) << "LimitText 0";
    editLimitTextSetter(field, 0, 6);
    EXPECT_EQ(SendMessageA(Hwnd(field), EM_GETLIMITTEXT, 0, 0), 6);
    EXPECT_EQ(Text(field), "");
}

TEST_F(EditFields, TheInitialTextFiresNoTextChangeTheFirstKeystrokeDoes) {
    ObjectInstance* field = Field("51.5");
    host.CreatePane(field);
    EXPECT_EQ(Shown(field), "51.5");
    EXPECT_EQ(log, "");
    Focus(field);
    TypeText("7");
    EXPECT_EQ(Text(field), "51.57");
    EXPECT_NE(log.find("KT"), std::string::npos) << log;
    EXPECT_EQ(log.find('G') == std::string::npos, false) << "the click gave it the focus";
}

TEST_F(EditFields, KeyDownTrueAndTabKeepCharactersOut) {
    ObjectInstance* field = Field();
    host.CreatePane(field);
    Focus(field);
    refused = 'x';
    TypeText("axb");
    PressKey(VK_TAB);
    TypeText("c");
    EXPECT_EQ(Text(field), "abc");
}

TEST_F(EditFields, PasswordModeKeepsTheActualText) {
    ObjectInstance* field = Field("ab");
    editPasswordSetter(field, 0, true);
    host.CreatePane(field);
    EXPECT_EQ(Shown(field), "**");
    Focus(field);
    TypeText("cd");
    PressKey(VK_BACK);
    TypeText("E");
    EXPECT_EQ(Shown(field), "****");
    EXPECT_EQ(Text(field), "abcE");
    editPasswordSetter(field, 0, false);
    EXPECT_EQ(Shown(field), "abcE");
    EXPECT_EQ(Text(field), "abcE");
}

TEST_F(EditFields, ATextChangeHandlerThatSetsTheTextRunsOnce) {
    ObjectInstance* field = Field();
    host.CreatePane(field);
    rewriting = field;
    Focus(field);
    TypeText("q");
    EXPECT_EQ(Text(field), "rewritten");
    size_t changes = 0;
    for (char c : log) changes += c == 'T';
    EXPECT_EQ(changes, 1u) << log;
}

TEST_F(EditFields, TextAfterTheWindowClosedIsTheLastTextSet) {
    ObjectInstance* field = Field("first");
    host.CreatePane(field);
    Focus(field);
    TypeText("X");
    EXPECT_EQ(Text(field), "firstX");
    host.CloseWindow();
    EXPECT_EQ(Text(field), "first") << "typing does not update the stored text";
}

TEST_F(EditFields, SelectionAndCharacterFormat) {
    ObjectInstance* field = Field("coordinates");
    StringRef face(NewStringFromText("Helvetica"));
    editTextFontSetter(field, 0, face.get());
    editTextSizeSetter(field, 0, 12);
    editBoldSetter(field, 0, true);
    host.CreatePane(field);
    editTextColorSetter(field, 0, 0x112233);
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    SendMessageA(Hwnd(field), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    EXPECT_STREQ(format.szFaceName, "Arial");
    EXPECT_EQ(format.yHeight, 12 * 15);
    EXPECT_TRUE(format.dwEffects & CFE_BOLD);
    EXPECT_EQ(format.crTextColor, RGB(0x11, 0x22, 0x33));
    editSelStartSetter(field, 0, 2);
    editSelLengthSetter(field, 0, 4);
    EXPECT_EQ(editSelStartGetter(field, 0), 2);
    EXPECT_EQ(editSelLengthGetter(field, 0), 4);
    EXPECT_EQ(Read(editSelTextGetter(field, 0)), "ordi");
}

TEST_F(EditFields, ReadOnlyFieldsTakeNoTyping) {
    ObjectInstance* field = Field("fixed");
    editReadOnlySetter(field, 0, true);
    host.CreatePane(field);
    Focus(field);
    TypeText("zz");
    EXPECT_EQ(Text(field), "fixed");
}

// The Edit menu's items after an EnableMenuItems cycle, as "XCVL" for Cut,
// Copy, Paste and Clear enabled, "-" for each one gray.
std::string EditItemsEnabled() {
    RunEnableMenuItemsCycle();
    std::string state;
    const char* names[] = {"EditCut", "EditCopy", "EditPaste", "EditClear"};
    const char marks[] = "XCVL";
    for (int i = 0; i < 4; i++) {
        StringRef name(NewStringFromText(names[i]));
        ObjectRef item(RuntimeMenuReference(name.get()));
        state += item.get() && AsMenuItem(item.get())->enabled ? marks[i] : '-';
    }
    return state;
}

void PutTextOnClipboard(HWND owner, const char* text) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, strlen(text) + 1);
    strcpy(static_cast<char*>(GlobalLock(block)), text);
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
}

TEST_F(EditFields, TheFocusFieldEnablesItsEditingItems) {
    ObjectInstance* field = Field("lat 52.3");
    host.CreatePane(field);
    PutTextOnClipboard(host.hwnd(), "13.4");
    Focus(field);
    editSelStartSetter(field, 0, 0);
    EXPECT_EQ(EditItemsEnabled(), "--V-") << "nothing selected: only Paste";
    editSelLengthSetter(field, 0, 3);
    EXPECT_EQ(EditItemsEnabled(), "XCVL");
    editReadOnlySetter(field, 0, true);
    EXPECT_EQ(EditItemsEnabled(), "-C--") << "read-only: Copy only, while text is selected";
    editReadOnlySetter(field, 0, false);
    editPasswordSetter(field, 0, true);
    editSelStartSetter(field, 0, 0);
    editSelLengthSetter(field, 0, 3);
    EXPECT_EQ(EditItemsEnabled(), "--VL") << "password: no Cut, no Copy";
}

TEST_F(EditFields, TheFocusFieldTakesTheEditingCommands) {
    ObjectInstance* field = Field("52.3 13.4");
    host.CreatePane(field);
    Focus(field);
    editSelStartSetter(field, 0, 0);
    editSelLengthSetter(field, 0, 5);
    StringRef cut(NewStringFromText("EditCut")), paste(NewStringFromText("EditPaste")),
        clear(NewStringFromText("EditClear"));
    ObjectRef cutItem(RuntimeMenuReference(cut.get())), pasteItem(RuntimeMenuReference(paste.get())),
        clearItem(RuntimeMenuReference(clear.get()));
    DispatchMenuItemCommand(cutItem.get());
    EXPECT_EQ(Text(field), "13.4");
    editSelStartSetter(field, 0, 4);
    DispatchMenuItemCommand(pasteItem.get());
    EXPECT_EQ(Text(field), "13.452.3 ");
    editSelStartSetter(field, 0, 0);
    editSelLengthSetter(field, 0, 4);
    DispatchMenuItemCommand(clearItem.get());
    EXPECT_EQ(Text(field), "52.3 ");
}

} // namespace
