#include "session.h"
#include "desktop.h"
#include "screenshot.h"
#include "testfiles.h"
#include <algorithm>

namespace {

// The start window's texts that a person reads, by their places.
struct Place {
    const char* name;
    int left, top;
};
const Place kStartTexts[] = {
    {"StaticText1", 13, 14}, {"taskText", 13, 71}, {"nLines", 159, 71}, {"nAP", 78, 94},
    {"nVOR", 78, 113}, {"nNDB", 78, 133}, {"nILS", 78, 155}, {"fileVers", 213, 120},
    {"fixPointText", 185, 95},
};

void CopyData(const std::string& from, const std::string& to) {
    CreateDirectoryA(to.c_str(), nullptr);
    for (const char* name : {"apt.dat", "nav.dat", "fix.dat"})
        CopyWholeFile(from + "\\" + name, to + "\\" + name);   // a missing file is not copied
}

void TypeInto(HWND window, int left, int top, const std::string& text) {
    HWND field = desktop::ChildAt(window, left, top);
    if (!field) return;
    // the first click into an inactive document window activates it; the
    // field takes the keys once it has the caret
    desktop::Click(field);
    if (!desktop::HasFocus(field)) desktop::Click(field);
    if (desktop::HasFocus(field)) desktop::Type(text);
    else desktop::TypeInto(field, text);
}

void Picture(const SessionPlan& plan, HWND window, const char* name) {
    if (plan.pictureFolder.empty() || !window) return;
    Sleep(300);   // the window's first paint
    SaveWindowPicture(window, plan.pictureFolder + "\\" + name + ".bmp");
}

// "Proceed" comes with the navaid reader; the fix reader ends with its own
// closing text, or with its not-found message.
void WaitForReadingsEnd(HWND start, const DialogAnswerer& dialogs) {
    const std::string noFixes = "fix.dat not found! Proceeding without the fix point data.";
    for (DWORD begin = GetTickCount(); GetTickCount() - begin < 120000; Sleep(50)) {
        HWND title = desktop::ChildAt(start, 13, 14);
        std::vector<std::string> seen = dialogs.Messages();
        if ((title && desktop::TextOf(title) == "Initialisation completed successfully!") ||
            std::find(seen.begin(), seen.end(), noFixes) != seen.end())
            break;
    }
    Sleep(500);   // the reader's last redraw
}

bool IsDefaultButton(HWND button) { return (GetWindowLongA(button, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON; }

bool WaitForDefault(HWND button, DWORD timeoutMs) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(50))
        if (IsDefaultButton(button)) return true;
    return false;
}

void Drive(const SessionPlan& plan, DWORD processId, HANDLE process, DialogAnswerer& dialogs,
           SessionResult& result) {
    HWND splash = desktop::WaitForWindow(processId, "Airport Tessel 2.1");
    if (!splash) return;
    Picture(plan, splash, "1-splash");
    desktop::Click(splash);

    HWND start = desktop::WaitForWindow(processId, "Airport Tessel");
    if (!start) return;
    // the reading ends either with "Proceed" or with the end of the program
    HWND proceed = nullptr;
    while (!proceed && WaitForSingleObject(process, 50) == WAIT_TIMEOUT)
        proceed = desktop::ChildWithText(start, "Proceed");
    if (!proceed) return;
    WaitForReadingsEnd(start, dialogs);
    Picture(plan, start, "2-start");
    for (const Place& place : kStartTexts)
        if (HWND text = desktop::ChildAt(start, place.left, place.top))
            result.startTexts[place.name] = desktop::TextOf(text);
    desktop::Click(proceed);

    HWND main = desktop::WaitForWindow(processId, "Tessel Main");
    // its controls show at the next turn of the program's event loop
    if (!main || !desktop::WaitForChildWithText(main, "Save subset", 30000)) return;
    Sleep(500);
    result.reachedMainWindow = true;
    TypeInto(main, 118, 69, plan.maxlat);
    TypeInto(main, 161, 69, plan.maxlon);
    TypeInto(main, 20, 237, plan.minlat);
    TypeInto(main, 60, 237, plan.minlon);
    if (plan.xpready) desktop::Click(desktop::ChildWithText(main, "Make it XP ready"));
    Picture(plan, main, "3-main");

    dialogs.PlanSaves(plan.saves);
    HWND done = desktop::ChildWithText(main, "Done");
    desktop::Click(desktop::ChildWithText(main, "Save subset"));
    Picture(plan, desktop::WaitForWindow(processId, "wait a moment...", 10000), "4-progress");
    if (!done || !WaitForDefault(done, 600000)) return;   // the save has ended: Return now means Done

    if (plan.pressReturnForDone) {
        desktop::Click(main);
        INPUT keys[2] = {};
        keys[0].type = keys[1].type = INPUT_KEYBOARD;
        keys[0].ki.wVk = keys[1].ki.wVk = VK_RETURN;
        keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, keys, sizeof keys[0]);
    } else {
        desktop::Click(done);
    }
    HWND farewell = desktop::WaitForWindow(processId, "Thanks & bye", 20000);
    if (!farewell) return;
    // a click must end the program long before the window's own timer does,
    // so nothing may come between finding the window and clicking it
    DWORD shown = GetTickCount();
    if (plan.clickFarewell) desktop::Click(farewell);
    else Picture(plan, farewell, "5-farewell");
    if (WaitForSingleObject(process, 20000) == WAIT_OBJECT_0) {
        result.ended = true;
        result.farewellMs = GetTickCount() - shown;
    }
}

} // namespace

SessionResult RunSession(const SessionPlan& plan) {
    SessionResult result;
    TemporaryFolder folder;
    std::string program = folder / "Tessel21.exe";
    if (!CopyWholeFile(plan.program, program)) return result;
    CopyData(plan.dataFolder, folder / "data");

    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                        nullptr, folder.path().c_str(), &startup, &process))
        return result;
    result.started = true;
    {
        DialogAnswerer dialogs(process.dwProcessId);
        ResumeThread(process.hThread);
        Drive(plan, process.dwProcessId, process.hProcess, dialogs, result);
        if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) {
            TerminateProcess(process.hProcess, 1);
            WaitForSingleObject(process.hProcess, 5000);
        } else if (!result.reachedMainWindow) {
            result.ended = true;
        }
        result.messages = dialogs.Messages();
        result.saves = dialogs.Saves();
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}
