// Controls made by RuntimeCreateWindow from a window description: the pairs
// reach the controls through their classes' property tables before the panes
// exist, the panes are made from the stored values, and what only stores
// fires nothing.
#include <gtest/gtest.h>
#include "controlhost.h"
#include "ui/controlclasses.h"
#include "ui/controlfields.h"
#include "ui/progressbar.h"
#include <commctrl.h>
#include <richedit.h>
#include <string>

extern "C" {
ObjectInstance* RuntimeControlFetch(ObjectInstance* window, StringObject* name);
void checkBoxValueSetter(ObjectInstance*, uint32_t, bool);
int timerModeGetter(ObjectInstance*, int);
StringObject* editTextGetter(ObjectInstance*, uint32_t);
}

namespace {

std::string log;

using Pairs = std::vector<std::pair<std::string, std::string>>;

// The pairs every control record begins with, then the class's own.
DescribedControl Described(int classIndex, const char* name, int left, int top, int width, int height,
                           Pairs own) {
    Pairs pairs = {{"Name", name},
                   {"Index", "-2147483648"},
                   {"TabPanelIndex", "0"},
                   {"Visible", "True"},
                   {"Left", std::to_string(left)},
                   {"Top", std::to_string(top)},
                   {"Width", std::to_string(width)},
                   {"Height", std::to_string(height)},
                   {"AutoDeactivate", "True"},
                   {"LockLeft", "True"},
                   {"LockTop", "True"}};
    pairs.insert(pairs.end(), own.begin(), own.end());
    return DescribedControl{classIndex, pairs};
}

ObjectInstance* Control(const ControlHost& host, const char* name) {
    StringRef key(NewStringFromText(name));
    return RuntimeControlFetch(host.windowObject(), key.get());
}

HWND Hwnd(ObjectInstance* control) { return AsControl(control)->pane->hwnd(); }

} // namespace

extern "C" void DescribedCheckBoxAction(ObjectInstance*) { log += "C"; }
extern "C" void DescribedTimerAction(ObjectInstance*) { log += "T"; }

namespace {

TEST(Descriptions, ControlsTakeTheirStoredValuesBeforeTheirPanes) {
    log.clear();
    ControlHost host(300, 240, {
        Described(kActingCheckBoxIndex, "xpready", 14, 150, 131, 20,
                  {{"Caption", "Make it XP ready"}, {"Value", "True"}, {"Enabled", "True"}}),
        Described(kPushButtonIndex, "PushButton1", 14, 200, 111, 20,
                  {{"Caption", "Save subset"}, {"Bold", "True"}, {"Default", "True"}, {"Cancel", "False"}}),
        Described(kStaticTextIndex, "nLines", 159, 71, 136, 12,
                  {{"TextFont", "Geneva"}, {"TextSize", "9"}, {"Text", "Processed Lines:"}, {"TextAlign", "2"}}),
        Described(kEditFieldIndex, "maxlat", 118, 69, 37, 19,
                  {{"Text", "51.5"}, {"Border", "True"}, {"LimitText", "0"}, {"BackColor", "16777215"}}),
        Described(kProgressBarIndex, "pBar", 13, 45, 282, 12, {{"Value", "0"}, {"Maximum", "40"}}),
        {kActingTimerIndex, {{"Name", "Timer1"}, {"Mode", "1"}, {"Period", "1500"}}},
    });
    ASSERT_NE(host.hwnd(), nullptr);

    ObjectInstance* box = Control(host, "xpready");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(SendMessageA(Hwnd(box), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(log, "") << "a value from the description fires no Action";
    checkBoxValueSetter(box, 0, false);
    EXPECT_EQ(log, "C") << "the same from code does";

    ObjectInstance* button = Control(host, "PushButton1");
    ASSERT_NE(button, nullptr);
    RECT frame;
    GetWindowRect(Hwnd(button), &frame);
    EXPECT_EQ(frame.right - frame.left, 111);
    EXPECT_EQ(GetWindowLongA(Hwnd(button), GWL_STYLE) & 0x0F, BS_DEFPUSHBUTTON);
    LOGFONTA font = {};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(Hwnd(button), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfWeight, 700);

    ObjectInstance* text = Control(host, "nLines");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(FieldsOf<StaticTextFields>(text)->textAlign, 2);
    char shown[64];
    GetWindowTextA(Hwnd(text), shown, sizeof shown);
    EXPECT_STREQ(shown, "Processed Lines:");

    ObjectInstance* field = Control(host, "maxlat");
    ASSERT_NE(field, nullptr);
    StringObject* value = editTextGetter(field, 0);
    EXPECT_STREQ(StringText(value), "51.5");
    RuntimeUnlockString(value);
    EXPECT_EQ(SendMessageA(Hwnd(field), EM_GETLIMITTEXT, 0, 0), 1000000);

    ObjectInstance* bar = Control(host, "pBar");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(SendMessageA(Hwnd(bar), PBM_GETRANGE, FALSE, 0), 40);
    EXPECT_EQ(ProgressBlockPosition(bar), -1);

    ObjectInstance* timer = Control(host, "Timer1");
    ASSERT_NE(timer, nullptr);
    for (int i = 0; i < 60 && log.find('T') == std::string::npos; i++) ControlHost::Pump(50);
    ControlHost::Pump(1600);
    EXPECT_EQ(log, "CT") << "the timer stored with Mode 1 fired once";
    EXPECT_EQ(timerModeGetter(timer, 0), 0);
}

} // namespace
