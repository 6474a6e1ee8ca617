// Push buttons and check boxes in a real window, driven with real clicks and
// keys: the default marking, the press rules, Push, and the check box's
// value changes.
#include <gtest/gtest.h>
#include "controlhost.h"
#include "testclasses.h"
#include "ui/checkbox.h"
#include "ui/controlclasses.h"
#include "ui/controlfields.h"
#include "ui/pushbutton.h"
#include "ui/shortcuts.h"
#include <string>

extern "C" {
void pushButtonDefaultSetter(ObjectInstance*, uint32_t, bool);
void pushButtonCancelSetter(ObjectInstance*, uint32_t, bool);
void pushButtonTitleSetter(ObjectInstance*, uint32_t, StringObject*);
void controlEnabledSetter(ObjectInstance*, uint32_t, bool);
bool checkBoxValueGetter(ObjectInstance*, uint32_t);
void checkBoxValueSetter(ObjectInstance*, uint32_t, bool);
void pbAddActionNotificationReceiver(ObjectInstance*, ObjectInstance*);
}

namespace {

std::string log;
bool mouseDownAnswer, mouseUpAnswer;
ObjectInstance* reentrant;   // a check box whose Action sets its Value again

extern "C" void OnAction(ObjectInstance*) { log += "A"; }
extern "C" bool OnMouseDown(ObjectInstance*, int x, int y) {
    log += "D(" + std::to_string(x) + "," + std::to_string(y) + ")";
    return mouseDownAnswer;
}
extern "C" bool OnMouseUp(ObjectInstance*, int, int) { log += "U"; return mouseUpAnswer; }
extern "C" void OnGotFocus(ObjectInstance*) { log += "G"; }
extern "C" void OnLostFocus(ObjectInstance*) { log += "L"; }
extern "C" void OnCheckAction(ObjectInstance* box) {
    log += checkBoxValueGetter(box, 0) ? "A1" : "A0";
    if (box == reentrant) checkBoxValueSetter(box, 0, !checkBoxValueGetter(box, 0));
}
extern "C" void PerformAction(ObjectInstance*) { log += "R"; }

class Buttons : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterControlClasses(); }
    void SetUp() override {
        log.clear();
        mouseDownAnswer = mouseUpAnswer = false;
        reentrant = nullptr;
        buttonClass = TestSubclass(PushButtonClass(), {{"Action", (void*)&OnAction},
                                                       {"MouseDown", (void*)&OnMouseDown},
                                                       {"MouseUp", (void*)&OnMouseUp},
                                                       {"GotFocus", (void*)&OnGotFocus},
                                                       {"LostFocus", (void*)&OnLostFocus}});
        boxClass = TestSubclass(CheckBoxClass(), {{"Action", (void*)&OnCheckAction}});
    }
    ObjectInstance* Button(const char* caption, int left, int top) {
        ObjectInstance* button = host.New(buttonClass, left, top, 90, 24);
        StringRef text(NewStringFromText(caption));
        pushButtonTitleSetter(button, 0, text.get());
        return button;
    }
    static HWND Hwnd(ObjectInstance* control) { return AsControl(control)->pane->hwnd(); }
    static bool DrawnAsDefault(ObjectInstance* button) {
        return (GetWindowLongA(Hwnd(button), GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON;
    }
    ControlHost host{320, 200};
    ClassRecord* buttonClass = nullptr;
    ClassRecord* boxClass = nullptr;
};

TEST_F(Buttons, TheDefaultMarkingFollowsTheFocusAndTheSetter) {
    ObjectInstance* save = Button("Save subset", 10, 10);
    ObjectInstance* done = Button("Done", 110, 10);
    pushButtonDefaultSetter(save, 0, true);
    host.CreatePane(save);
    host.CreatePane(done);
    SetFocus(host.hwnd());
    UpdateDefaultMarking(host.window());
    EXPECT_TRUE(DrawnAsDefault(save)) << "no button has the focus: the one marked default";
    EXPECT_FALSE(DrawnAsDefault(done));

    SetFocus(Hwnd(done));
    ControlHost::Pump(50);
    EXPECT_TRUE(DrawnAsDefault(done)) << "the focused push button is drawn as default";
    EXPECT_FALSE(DrawnAsDefault(save));
    EXPECT_NE(log.find('G'), std::string::npos);

    SetFocus(host.hwnd());
    ControlHost::Pump(50);
    EXPECT_TRUE(DrawnAsDefault(save));
    pushButtonDefaultSetter(save, 0, false);
    pushButtonDefaultSetter(done, 0, true);
    EXPECT_TRUE(DrawnAsDefault(done));
    EXPECT_FALSE(DrawnAsDefault(save));

    log.clear();
    SetFocus(host.hwnd());
    PressKey(VK_RETURN);
    EXPECT_EQ(log, "A") << "Return presses the button now marked default";
}

TEST_F(Buttons, CancelButtonAndPushOnADisabledButton) {
    ObjectInstance* cancel = Button("Cancel", 10, 10);
    host.CreatePane(cancel);
    SetFocus(host.hwnd());
    PressKey(VK_ESCAPE);
    EXPECT_EQ(log, "") << "not a cancel button yet";
    pushButtonCancelSetter(cancel, 0, true);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(log, "A");
    controlEnabledSetter(cancel, 0, false);
    pushButtonPush(cancel);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(log, "A") << "Push on a disabled button does nothing";
    EXPECT_FALSE(IsWindowEnabled(Hwnd(cancel)));
}

TEST_F(Buttons, PushNeedsAPane) {
    ObjectInstance* button = Button("Later", 10, 10);
    pushButtonPush(button);
    EXPECT_EQ(log, "");
    host.CreatePane(button);
    pushButtonPush(button);
    EXPECT_EQ(log, "A");
}

TEST_F(Buttons, ClicksFollowThePressRules) {
    const struct {
        bool down, up;
        const char* expected;
    } cases[] = {
        {false, false, "D(20,12)A"},   // MouseDown False: no MouseUp, Action
        {true, false, "D(20,12)UA"},   // MouseUp False: Action
        {true, true, "D(20,12)U"},     // both True: no Action
    };
    ObjectInstance* button = Button("Press", 30, 40);
    host.CreatePane(button);
    for (const auto& c : cases) {
        mouseDownAnswer = c.down;
        mouseUpAnswer = c.up;
        log.clear();
        ClickAt(host.hwnd(), 50, 52);
        std::string seen;
        for (char ch : log) if (ch != 'G' && ch != 'L') seen += ch;
        EXPECT_EQ(seen, c.expected);
    }
}

TEST_F(Buttons, ActionReceiversRunBeforeTheAction) {
    ObjectInstance* button = Button("Go", 10, 10);
    host.CreatePane(button);
    ClassRecord* receiverClass = NewClassRecord(nullptr, nullptr, 0);
    receiverClass->methods = static_cast<MethodEntry*>(NewRuntimeRecord(sizeof(MethodEntry)));
    receiverClass->methods[0] = MethodEntry{NewStringFromText("PerformAction"), uint32_t(&PerformAction)};
    receiverClass->methodCount = 1;
    ObjectRef receiver(NewInstance(receiverClass));
    pbAddActionNotificationReceiver(button, receiver.get());
    pushButtonPush(button);
    EXPECT_EQ(log, "RA");
}

TEST_F(Buttons, MnemonicsRegisterTheLastMarkedLetter) {
    ObjectInstance* button = Button("&Save &subset", 10, 10);
    ObjectInstance* pair = Button("R&&D", 110, 10);
    host.CreatePane(button);
    host.CreatePane(pair);
    ASSERT_NE(FindShortcut("Alt+S"), nullptr);
    EXPECT_EQ(FindShortcut("alt+s")->pane, AsControl(button)->pane);
    EXPECT_EQ(FindShortcut("Alt+D"), nullptr) << "a doubled ampersand marks nothing";
    SetFocus(host.hwnd());
    PressKey('S', VK_MENU);
    EXPECT_EQ(log, "A") << "Alt+S pushes the button";
    StringRef plain(NewStringFromText("Save"));
    pushButtonTitleSetter(button, 0, plain.get());
    EXPECT_EQ(FindShortcut("Alt+S"), nullptr);
    char text[64];
    GetWindowTextA(Hwnd(button), text, sizeof text);
    EXPECT_STREQ(text, "Save");
}

TEST_F(Buttons, CheckBoxValueFromCodeFiresActionButNotFromTheDescription) {
    ObjectInstance* box = host.New(boxClass, 10, 10, 150, 20);
    checkBoxValueSetter(box, 0, true);          // as a description applies it
    EXPECT_EQ(log, "");
    host.CreatePane(box);
    EXPECT_EQ(SendMessageA(Hwnd(box), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(GetWindowLongA(Hwnd(box), GWL_STYLE) & 0xFFFF, 0x4002);
    EXPECT_EQ(log, "");
    checkBoxValueSetter(box, 0, false);
    EXPECT_EQ(log, "A0");
    EXPECT_EQ(SendMessageA(Hwnd(box), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(Buttons, ACheckBoxClickTogglesTheMarkAndActsOnce) {
    ObjectInstance* box = host.New(boxClass, 10, 10, 150, 20);
    host.CreatePane(box);
    ClickAt(host.hwnd(), 20, 20);
    EXPECT_EQ(log, "A1");
    EXPECT_TRUE(checkBoxValueGetter(box, 0));
    ClickAt(host.hwnd(), 20, 20);
    EXPECT_EQ(log, "A1A0");

    log.clear();
    reentrant = box;                            // its Action sets Value again
    checkBoxValueSetter(box, 0, true);
    EXPECT_EQ(log, "A1") << "no Action while its Action runs";
    EXPECT_FALSE(checkBoxValueGetter(box, 0)) << "the inner change still sets the mark";
    EXPECT_EQ(SendMessageA(Hwnd(box), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(Buttons, NoCheckBoxActionOnceTheWindowIsClosing) {
    ObjectInstance* box = host.New(boxClass, 10, 10, 150, 20);
    host.CreatePane(box);
    host.window()->closing = true;
    checkBoxValueSetter(box, 0, true);
    host.window()->closing = false;
    EXPECT_EQ(log, "");
    EXPECT_TRUE(checkBoxValueGetter(box, 0));
}

} // namespace
