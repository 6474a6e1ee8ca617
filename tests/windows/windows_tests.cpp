// Windows made from their descriptions: kinds, styles and placement, when
// they show, closing during Open, the modal refusal and the dialog owner.
#include "windowtesting.h"
#include "msgboxwatcher.h"
#include "ui/dialogowner.h"
#include "ui/uistate.h"
#include "core/properties.h"
#include "core/string.h"
#include <gtest/gtest.h>
#include <thread>

namespace {

struct PlacementCase {
    const char* label;
    int width, height;
    DWORD style, exStyle;     // bits that must be set
};

TEST(WindowKinds, PlaceEachKindAndGiveItsStyles) {
    WindowImage image("single");
    int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const PlacementCase cases[] = {
        {"Kind0Window", 200, 100, WS_CAPTION | WS_THICKFRAME | WS_SYSMENU, 0},
        {"Kind2Window", 300, 150, WS_POPUP | WS_DLGFRAME, 0},
        {"Kind3Window", 160, 80, WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_TOPMOST | WS_EX_TOOLWINDOW},
        {"ModalWindow", 220, 90, WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME},
    };
    const POINT expected[] = {
        {10, 50},
        {(screenWidth - 300) / 2, (screenHeight - 150) / 4},
        {4, 100},
        {(screenWidth - 220) / 2, (screenHeight - 90) / 4},
    };
    for (int i = 0; i < 4; i++) {
        SCOPED_TRACE(cases[i].label);
        ObjectRef window(image.Create(cases[i].label));
        HWND hwnd = HandleOf(window.get());
        ASSERT_TRUE(hwnd);
        EXPECT_FALSE(IsWindowVisible(hwnd)) << "shown before the loop ran";
        POINT origin = ContentOrigin(hwnd);
        EXPECT_EQ(expected[i].x, origin.x);
        EXPECT_EQ(expected[i].y, origin.y);
        RECT client;
        GetClientRect(hwnd, &client);
        EXPECT_EQ(cases[i].width, client.right);
        EXPECT_EQ(cases[i].height, client.bottom);
        DWORD style = GetWindowLongA(hwnd, GWL_STYLE), exStyle = GetWindowLongA(hwnd, GWL_EXSTYLE);
        EXPECT_EQ(cases[i].style, style & cases[i].style);
        EXPECT_EQ(cases[i].exStyle, exStyle & cases[i].exStyle);
        char className[32];
        GetClassNameA(hwnd, className, sizeof className);
        EXPECT_STREQ("OBWindow", className);
        // The window's bounds read back through its properties.
        const WindowFields* w = AsWindow(window.get());
        EXPECT_EQ(expected[i].x, w->bounds.left);
        EXPECT_EQ(cases[i].height, w->bounds.Height());
        EXPECT_EQ(w->bounds, w->creation);
    }
    RunLoopFor(300);
    for (RuntimeWindow* rw = FirstRuntimeWindow(); rw; rw = rw->nextWindow)
        EXPECT_TRUE(IsWindowVisible(rw->hwnd)) << "a window that wants to be visible shows in the loop";
    EXPECT_EQ("kind0:open kind2:open kind3:open modal:open ", image.Log());
}

TEST(WindowKinds, MainWindowCarriesTheMenuBarOutsideMdiMode) {
    WindowImage image("single");
    ObjectRef first(image.Create("Kind0Window"));
    ObjectRef second(image.Create("Kind0Window"));
    EXPECT_TRUE(GetMenu(HandleOf(first.get())));
    EXPECT_FALSE(GetMenu(HandleOf(second.get())));
    EXPECT_EQ(HandleOf(second.get()), DialogOwner()) << "the newest window of Frame 0 owns dialogs";
}

TEST(WindowKinds, FrameOutsideTheTableIsAFailedAssertion) {
    WindowImage image("single");
    MessageBoxWatcher watcher;
    watcher.Answer({IDOK});
    EXPECT_EQ(nullptr, image.Create("BadKindWindow"));
    ASSERT_TRUE(watcher.WaitForBoxes(1));
    EXPECT_EQ(FailedAssertionText(4, "window", 0), watcher.Seen()[0].text);
    EXPECT_EQ(nullptr, FirstRuntimeWindow());
}

TEST(WindowVisibility, HiddenWindowStaysHiddenUntilShown) {
    WindowImage image("single");
    ObjectRef window(image.Create("HiddenWindow"));
    HWND hwnd = HandleOf(window.get());
    RunLoopFor(300);
    EXPECT_FALSE(IsWindowVisible(hwnd));
    RuntimeShowWindow(window.get());
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_TRUE(AsWindow(window.get())->visible);
    RuntimeHideWindow(window.get());
    EXPECT_FALSE(IsWindowVisible(hwnd));
    RunLoopFor(200);
    EXPECT_FALSE(IsWindowVisible(hwnd)) << "hiding clears the wish to be visible";
}

TEST(WindowVisibility, SizeSetThroughPropertiesTakesEffectInTheLoop) {
    WindowImage image("single");
    ObjectRef window(image.Create("Kind0Window"));
    StringRef width(NewStringFromText("Width")), value(NewStringFromText("260"));
    ASSERT_TRUE(SetPropertyFromText(window.get(), width.get(), value.get()));
    RECT client;
    GetClientRect(HandleOf(window.get()), &client);
    EXPECT_EQ(200, client.right) << "not before the next iteration";
    RunLoopFor(200);
    GetClientRect(HandleOf(window.get()), &client);
    EXPECT_EQ(260, client.right);
}

TEST(WindowClosing, OpenHandlerThatClosesItsWindowGivesNilAndClearsTheSlot) {
    WindowImage image("single");
    ObjectInstance* slot = nullptr;
    EXPECT_EQ(nullptr, image.Create("SelfClosingWindow", &slot));
    EXPECT_EQ(nullptr, slot);
    EXPECT_EQ("selfclose:open selfclose:close ", image.Log());
    EXPECT_EQ(nullptr, FirstRuntimeWindow());
    // It was the only window outside MDI mode: the program ends instead of
    // waiting for messages that no window will send.
    EXPECT_TRUE(RunLoopWithDriver([] {}, 10000));
}

TEST(WindowClosing, ImplicitInstanceSlotHoldsTheWindowUntilItCloses) {
    WindowImage image("single");
    ObjectInstance* slot = nullptr;
    ObjectRef window(image.Create("Kind0Window", &slot));
    EXPECT_EQ(window.get(), slot);
    RuntimeCloseWindow(window.get());
    EXPECT_EQ(nullptr, slot);
    EXPECT_EQ(nullptr, HandleOf(window.get()));
    EXPECT_EQ("kind0:open kind0:agree kind0:close ", image.Log());
    RuntimeCloseWindow(window.get());   // a closed window: nothing happens
    RuntimeShowWindow(window.get());
    EXPECT_EQ("kind0:open kind0:agree kind0:close ", image.Log());
}

TEST(Modality, ClickOnAnotherWindowIsRefusedWhileAModalWindowShows) {
    WindowImage image("single");
    ObjectRef main(image.Create("Kind0Window"));
    ObjectRef modal(image.Create("ModalWindow"));
    RunLoopFor(300);
    HWND mainHwnd = HandleOf(main.get()), modalHwnd = HandleOf(modal.get());
    EXPECT_EQ(modalHwnd, DialogOwner());
    EXPECT_EQ(mainHwnd, GetWindow(modalHwnd, GW_OWNER)) << "owned by the dialog owner of its creation";
    LRESULT answer = SendMessageA(mainHwnd, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(mainHwnd),
                                  MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    EXPECT_EQ(MA_NOACTIVATEANDEAT, answer);
    EXPECT_NE(MA_NOACTIVATEANDEAT, SendMessageA(modalHwnd, WM_MOUSEACTIVATE,
                                                reinterpret_cast<WPARAM>(modalHwnd),
                                                MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)));
    RuntimeHideWindow(modal.get());
    EXPECT_EQ(nullptr, DialogOwner()) << "a stack of hidden windows gives no owner";
    EXPECT_NE(MA_NOACTIVATEANDEAT, SendMessageA(mainHwnd, WM_MOUSEACTIVATE,
                                                reinterpret_cast<WPARAM>(mainHwnd),
                                                MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)));
    RuntimeCloseWindow(modal.get());
    EXPECT_EQ(mainHwnd, DialogOwner());
}

TEST(Modality, ShowModalReturnsWhenTheWindowCloses) {
    WindowImage image("single");
    ObjectRef main(image.Create("Kind0Window"));
    ObjectRef modal(image.Create("ModalWindow"));
    HWND modalHwnd = HandleOf(modal.get());
    std::thread closer([modalHwnd] {
        Sleep(500);
        PostMessageA(modalHwnd, WM_CLOSE, 0, 0);
    });
    RuntimeShowModal(modal.get());
    closer.join();
    EXPECT_EQ(nullptr, HandleOf(modal.get()));
    EXPECT_FALSE(gUI.quit) << "the main window keeps the program running";
}

} // namespace
