// The message box as a user meets it, read by the watcher, and URL opening
// through the shell on a program that says it was started.
#include <gtest/gtest.h>
#include "msgboxwatcher.h"
#include "settingsblock.h"
#include "testfiles.h"
#include "core/string.h"
#include "ui/fonts.h"
#include "ui/msgbox.h"
#include <thread>

extern "C" void GlobalShowURL(StringObject* address);
extern "C" void RuntimeShowURL(uint32_t ignored, StringObject* address);

namespace {

struct Shown {
    SeenMessageBox box;
    HWND owner = nullptr;
};

// Shows the message and reads the box while it is up.
Shown ShowMessage(const char* text) {
    Shown shown;
    std::thread reader([&] {
        HWND box = nullptr;
        for (int i = 0; i < 2000 && !box; i++, Sleep(10)) box = FindWindowA("#32770", nullptr);
        if (box) shown.owner = GetWindow(box, GW_OWNER);
    });
    MessageBoxWatcher watcher;
    StringRef message(text ? NewStringFromText(text) : nullptr);
    RuntimeMsgBox(message.get());
    reader.join();
    EXPECT_TRUE(watcher.WaitForBoxes(1));
    if (!watcher.Seen().empty()) shown.box = watcher.Seen()[0];
    return shown;
}

TEST(MessageBox, OutsideFrameModeIsCaptionedMessageWithAnIconAndOK) {
    LoadSettings(1, false, "Tessel 2.1");
    Shown shown = ShowMessage("Could not find apt.dat\rin the data folder.");
    EXPECT_EQ(shown.box.caption, "Message");
    EXPECT_EQ(shown.box.text, "Could not find apt.dat\rin the data folder.");
    EXPECT_TRUE(shown.box.hasIcon);
    ASSERT_EQ(shown.box.buttons.size(), 1u);
    EXPECT_EQ(shown.box.buttons[0], "OK");
    EXPECT_EQ(shown.owner, nullptr) << "no window exists, so the box has no owner";
}

TEST(MessageBox, InFrameModeIsCaptionedWithTheApplicationName) {
    LoadSettings(1, true, "Tessel 2.1");
    Shown shown = ShowMessage("R&&D & more");
    EXPECT_EQ(shown.box.caption, "Tessel 2.1");
    EXPECT_EQ(shown.box.text, "R&&D & more") << "ampersands are shown as they are";
    ResetSettings();
}

TEST(MessageBox, AnEmptyMessageShowsAnEmptyBox) {
    ResetSettings();
    Shown shown = ShowMessage(nullptr);
    EXPECT_EQ(shown.box.caption, "Message");
    EXPECT_EQ(shown.box.text, "");
}

TEST(Fonts, TakeTheCharacterSetOfTheProject) {
    const struct {
        uint8_t code;
        BYTE charset;
    } cases[] = {{34, RUSSIAN_CHARSET}, {16, GREEK_CHARSET}, {1, DEFAULT_CHARSET}, {99, DEFAULT_CHARSET}};
    StringRef face(NewStringFromText("Arial"));
    for (const auto& c : cases) {
        LoadSettings(c.code, false, "");
        HFONT font = AcquireFont(FontSpec{face.get(), 0, 0, 0, 11});
        LOGFONTA made = {};
        GetObjectA(font, sizeof made, &made);
        EXPECT_EQ(made.lfCharSet, c.charset) << int(c.code);
        ReleaseFont(font);
    }
    ResetSettings();
}

bool WaitForFile(const std::string& path) {
    for (int i = 0; i < 1500; i++, Sleep(20))
        if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    return false;
}

TEST(ShowURL, HandsTheAddressToTheShell) {
    TemporaryFolder folder;
    std::string probe = folder / "urlprobe.exe";
    ASSERT_TRUE(CopyWholeFile(ProgramFolder() + "\\urlprobe.exe", probe));
    StringRef address(NewStringFromText(probe.c_str()));
    GlobalShowURL(address.get());
    EXPECT_TRUE(WaitForFile(probe + ".started"));
    DeleteFileA((probe + ".started").c_str());
    RuntimeShowURL(12345, address.get());
    EXPECT_TRUE(WaitForFile(probe + ".started"));
    Sleep(200);
    DeleteFileA((probe + ".started").c_str());
}

TEST(ShowURL, AnEmptyOrFailingAddressReportsNothing) {
    MessageBoxWatcher watcher;
    GlobalShowURL(nullptr);
    StringRef missing(NewStringFromText("C:\\no such folder\\nothing.exe"));
    RuntimeShowURL(0, missing.get());
    Sleep(500);
    EXPECT_TRUE(watcher.Seen().empty());
}

} // namespace
