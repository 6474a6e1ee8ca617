// Waits for a message box of any program, prints what it says and presses
// its OK button: lets a script see and answer what a user would see.
//   answerbox [--wait] [seconds]
// With --wait it only waits for the box to appear and leaves it open.
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

HWND found;

BOOL CALLBACK FindBox(HWND window, LPARAM) {
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) != "#32770" || !IsWindowVisible(window)) return TRUE;
    found = window;
    return FALSE;
}

BOOL CALLBACK PrintStatic(HWND child, LPARAM) {
    char name[16] = "", text[4096] = "";
    GetClassNameA(child, name, sizeof name);
    GetWindowTextA(child, text, sizeof text);
    if (std::string(name) == "Static" && text[0]) printf("%s\n", text);
    return TRUE;
}

} // namespace

int main(int argc, char** argv) {
    bool waitOnly = argc > 1 && std::string(argv[1]) == "--wait";
    if (waitOnly) argc--, argv++;
    int seconds = argc > 1 ? atoi(argv[1]) : 30;
    for (int waited = 0; !found && waited < seconds * 10; waited++) {
        EnumWindows(FindBox, 0);
        if (!found) Sleep(100);
    }
    if (!found) {
        fprintf(stderr, "answerbox: no message box appeared\n");
        return 1;
    }
    if (waitOnly) {
        Sleep(500);   // let it draw
        return 0;
    }
    char caption[256] = "";
    GetWindowTextA(found, caption, sizeof caption);
    printf("[%s]\n", caption);
    EnumChildWindows(found, PrintStatic, 0);
    PostMessageA(found, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return 0;
}
