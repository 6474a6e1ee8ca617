// The menu bar of a description: its native menus, the EnableMenuItems
// cycle, command dispatch, the accelerators and RuntimeMenuReference.
#include "windowtesting.h"
#include "ui/menubar.h"
#include "ui/menucommands.h"
#include "ui/menuitems.h"
#include "ui/uistate.h"
#include "core/string.h"
#include <gtest/gtest.h>
#include <thread>

namespace {

std::string MenuText(HMENU menu, UINT position) {
    char text[128] = "";
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

bool Grayed(HMENU menu, UINT position) {
    return (GetMenuState(menu, position, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)) != 0;
}

ObjectInstance* Item(const char* name) {
    StringRef text(NewStringFromText(name));
    return RuntimeMenuReference(text.get());
}

TEST(MenuBar, DescriptionBecomesTheNativeMenus) {
    WindowImage image("mdi");
    HMENU bar = GetMenu(gUI.frame);
    ASSERT_EQ(MenuBarHandle(), bar);
    ASSERT_EQ(3, GetMenuItemCount(bar)) << "the kind-1 menu makes nothing";
    EXPECT_EQ("File", MenuText(bar, 0));
    EXPECT_EQ("Edit", MenuText(bar, 1));
    EXPECT_EQ("Windows", MenuText(bar, 2));
    HMENU file = GetSubMenu(bar, 0), edit = GetSubMenu(bar, 1);
    ASSERT_EQ(1, GetMenuItemCount(file)) << "placeholders make nothing";
    EXPECT_EQ("Quit\tCtrl+Q", MenuText(file, 0));
    EXPECT_EQ(1000u, GetMenuItemID(file, 0));
    ASSERT_EQ(7, GetMenuItemCount(edit));
    EXPECT_EQ("Undo\tCtrl+Z", MenuText(edit, 0));
    EXPECT_TRUE(GetMenuState(edit, 1, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ("Clear", MenuText(edit, 5));
    char caption[64];
    GetWindowTextA(gUI.frame, caption, sizeof caption);
    EXPECT_STREQ("Tessel Test", caption);
    RECT frame;
    GetWindowRect(gUI.frame, &frame);
    EXPECT_EQ(640, frame.right - frame.left);
    EXPECT_EQ(480, frame.bottom - frame.top);
}

TEST(MenuBar, AcceleratorTexts) {
    struct Case {
        const char* key;
        const char* text;
    } const cases[] = {
        {"Q", "Ctrl+Q"}, {"Shift-Q", "Ctrl+Shft+Q"}, {"Shift-F5", "Shft+F5"}, {"Control-Shift-F5", "Ctrl+Shft+F5"},
        {"Option-Alt-X", "Ctrl+Alt+X"}, {"", ""},
    };
    for (const Case& c : cases) {
        StringRef key(NewStringFromText(c.key));
        char text[48];
        AcceleratorTextOfCommandKey(key.get(), text, sizeof text);
        EXPECT_STREQ(c.text, text) << c.key;
    }
}

TEST(MenuBar, MenuReferenceIgnoresLetterCase) {
    WindowImage image("single");
    ObjectRef viewer(Item("windowsairportviewer"));
    ASSERT_TRUE(viewer.get());
    EXPECT_STREQ("WindowsAirportViewer", StringText(AsMenuItem(viewer.get())->name));
    EXPECT_EQ(2, viewer.get()->refs) << "a new reference";
    EXPECT_EQ(nullptr, Item("NoSuchItem"));
    ObjectRef quit(Item("FILEQUIT"));
    EXPECT_TRUE(ClassIsa(quit.get()->cls, FindBuiltinClass("QuitMenuItem")));
}

TEST(MenuBar, OpeningAMenuGraysEveryItemNoHandlerEnables) {
    WindowImage image("mdi");
    ObjectRef window(image.Create("Kind0Window"));
    HMENU bar = GetMenu(gUI.frame), file = GetSubMenu(bar, 0), edit = GetSubMenu(bar, 1),
          windows = GetSubMenu(bar, 2);
    SendMessageA(gUI.frame, WM_INITMENU, reinterpret_cast<WPARAM>(bar), 0);
    EXPECT_FALSE(Grayed(file, 0)) << "Quit enables itself";
    EXPECT_FALSE(Grayed(edit, 3)) << "Copy: the application's EnableMenuItems enables it";
    for (UINT position : {0u, 2u, 4u, 5u}) EXPECT_TRUE(Grayed(edit, position)) << MenuText(edit, position);
    EXPECT_TRUE(Grayed(windows, 0));
    // Enable turns the native item on at once.
    ObjectRef cut(Item("EditCut"));
    RuntimeEnableMenu(cut.get());
    EXPECT_FALSE(Grayed(edit, 2));
    // An item made invisible leaves the native menu at the next cycle.
    AsMenuItem(cut.get())->visible = false;
    SendMessageA(gUI.frame, WM_INITMENU, reinterpret_cast<WPARAM>(bar), 0);
    EXPECT_EQ(6, GetMenuItemCount(edit));
    EXPECT_EQ("Copy\tCtrl+C", MenuText(edit, 2));
    EXPECT_FALSE(Grayed(edit, 2));
}

TEST(MenuCommands, WindowHandlerThenApplicationThenAction) {
    WindowImage image("mdi");
    ObjectRef window(image.Create("Kind0Window"));
    RunLoopFor(300, [&] { return gUI.frontWindow != nullptr; });
    ASSERT_EQ(RuntimeWindowOf(window.get()), gUI.frontWindow);
    ObjectRef cut(Item("EditCut")), paste(Item("EditPaste"));
    image.ClearLog();
    image.Global<bool>("cutHandled") = true;
    SendMessageA(gUI.frame, WM_COMMAND, AsMenuItem(cut.get())->commandId, 0);
    SendMessageA(gUI.frame, WM_COMMAND, AsMenuItem(paste.get())->commandId, 0);
    EXPECT_EQ("kind0:cut app:paste ", image.Log());
}

TEST(MenuCommands, ControlQReachesQuitWithNoMenuOpen) {
    WindowImage image("single");
    ObjectRef window(image.Create("Kind0Window"));
    HWND hwnd = HandleOf(window.get());
    image.ClearLog();
    EXPECT_TRUE(RunLoopWithDriver([hwnd] {
        Sleep(500);
        SetForegroundWindow(hwnd);
        Sleep(300);
        INPUT keys[4] = {};
        WORD codes[4] = {VK_CONTROL, 'Q', 'Q', VK_CONTROL};
        for (int i = 0; i < 4; i++) {
            keys[i].type = INPUT_KEYBOARD;
            keys[i].ki.wVk = codes[i];
            keys[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
        }
        SendInput(4, keys, sizeof(INPUT));
    }));
    EXPECT_EQ("kind0:agree app:close kind0:close ", image.Log());
}

} // namespace
