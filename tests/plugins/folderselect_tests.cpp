// SelectFolder of fsel1, called from the fixture image through its deferred
// name and driven in the shell's folder browser as a person would: look at
// the preselected folder and its path on the status line, move through the
// tree with the keyboard, press OK or Cancel.
#include "hostfixture.h"
#include "testfiles.h"
#include "core/objects.h"
#include "core/string.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <atomic>
#include <functional>
#include <thread>


namespace {

struct DialogSearch {
    HWND found;
};

BOOL CALLBACK FindBrowser(HWND window, LPARAM parameter) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char cls[32] = "";
    GetClassNameA(window, cls, sizeof cls);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) && lstrcmpA(cls, "#32770") == 0 &&
        FindWindowExA(window, nullptr, "SysTreeView32", nullptr)) {
        reinterpret_cast<DialogSearch*>(parameter)->found = window;
        return FALSE;
    }
    return TRUE;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 30000) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(50))
        if (condition()) return true;
    return false;
}

BOOL CALLBACK CollectText(HWND child, LPARAM parameter) {
    char text[MAX_PATH] = "";
    GetWindowTextA(child, text, sizeof text);
    *reinterpret_cast<std::string*>(parameter) += std::string(text) + "\n";
    return TRUE;
}

// What a person does in the dialog: keys for the tree, then a button.
struct Person {
    std::vector<WPARAM> keys;
    std::string expectedStatus;   // the status line to wait for before pressing
    int button = IDOK;

    std::string seenStatus;
    bool sawDialog = false;

    void Act() {
        DialogSearch search{nullptr};
        sawDialog = WaitUntil([&] {
            EnumWindows(FindBrowser, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        });
        if (!sawDialog) return;
        HWND dialog = search.found;
        HWND tree = FindWindowExA(dialog, nullptr, "SysTreeView32", nullptr);
        auto texts = [&] {
            std::string all;
            EnumChildWindows(dialog, CollectText, reinterpret_cast<LPARAM>(&all));
            return all;
        };
        WaitUntil([&] { return TreeView_GetSelection(tree) != nullptr; });
        for (WPARAM key : keys) {
            PostMessageA(tree, WM_KEYDOWN, key, 0);
            PostMessageA(tree, WM_KEYUP, key, 0xC0000000);
            Sleep(700);
        }
        if (!expectedStatus.empty())
            WaitUntil([&] { return texts().find(expectedStatus + "\n") != std::string::npos; }, 15000);
        seenStatus = texts();
        PostMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
    }
};

// The folder item's own path field, as compiled code reads it.
constexpr uint32_t kFolderItemPath = 28;

// Runs SelectFolder with the current directory set to start while the
// person acts; the chosen item's stored path, or "nil".
std::string SelectFolderFrom(const std::string& start, Person& person) {
    char previous[MAX_PATH];
    GetCurrentDirectoryA(sizeof previous, previous);
    SetCurrentDirectoryA(start.c_str());
    std::thread driver([&] { person.Act(); });
    ObjectInstance* item = Host().Routine<ObjectInstance* (*)()>("CallSelectFolder")();
    driver.join();
    SetCurrentDirectoryA(previous);
    if (!item) return "nil";
    StringRef path(stringGetter(item, kFolderItemPath));
    UnlockObject(item);
    return StringText(path.get());
}

std::string WithoutTrailingBackslash(std::string path) {
    if (path.size() > 3 && path.back() == '\\') path.pop_back();
    return path;
}

std::string LongPath(const std::string& path) {
    char full[MAX_PATH];
    DWORD length = GetLongPathNameA(path.c_str(), full, sizeof full);
    return length ? std::string(full, length) : path;
}

} // namespace

// First, since the first folder browser of a process is slow to fill its
// tree under Wine.
TEST(SelectFolder, CancelGivesNil) {
    TemporaryFolder folder;
    Person person;
    person.button = IDCANCEL;
    EXPECT_EQ(SelectFolderFrom(folder.path(), person), "nil");
    EXPECT_TRUE(person.sawDialog);
}

TEST(SelectFolder, OpensOnTheCurrentDirectoryAndReturnsIt) {
    TemporaryFolder folder;
    std::string start = LongPath(folder.path());
    Person person;
    person.expectedStatus = start;
    std::string chosen = SelectFolderFrom(start, person);
    ASSERT_TRUE(person.sawDialog);
    EXPECT_NE(person.seenStatus.find(start + "\n"), std::string::npos) << person.seenStatus;
    EXPECT_STRCASEEQ(WithoutTrailingBackslash(chosen).c_str(), start.c_str());
}

TEST(SelectFolder, AFolderChosenInTheTree) {
    TemporaryFolder folder;
    std::string start = LongPath(folder.path());
    CreateDirectoryA((start + "\\alpha").c_str(), nullptr);
    Person person;
    person.keys = {VK_RIGHT, VK_DOWN};   // open the folder, step onto its first child
    person.expectedStatus = start + "\\alpha";
    std::string chosen = SelectFolderFrom(start, person);
    ASSERT_TRUE(person.sawDialog);
    EXPECT_STRCASEEQ(WithoutTrailingBackslash(chosen).c_str(), (start + "\\alpha").c_str())
        << person.seenStatus;
}

TEST(SelectFolder, ADriveRootEndsInABackslash) {
    Person person;
    person.expectedStatus = "C:\\";
    std::string chosen = SelectFolderFrom("C:\\", person);
    ASSERT_TRUE(person.sawDialog);
    EXPECT_STRCASEEQ(chosen.c_str(), "C:\\");
}

