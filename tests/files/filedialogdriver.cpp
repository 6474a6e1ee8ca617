// The file dialog driver: finds the dialog window (class #32770) of this
// process, its file-name edit field (edt1, or the edit of the combo box
// cmb13) and its OK and Cancel buttons.
#include "filedialogdriver.h"
#include <dlgs.h>
#include <commctrl.h>
#include <cstring>

namespace {

struct Search {
    HWND dialog = nullptr;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM data) {
    char className[16];
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId() || !IsWindowVisible(window)) return TRUE;
    if (!GetClassNameA(window, className, sizeof className) || strcmp(className, "#32770")) return TRUE;
    reinterpret_cast<Search*>(data)->dialog = window;
    return FALSE;
}

HWND FileNameField(HWND dialog) {
    if (HWND edit = GetDlgItem(dialog, edt1)) return edit;
    // The explorer-style dialog's field is the edit of an extended combo box.
    HWND combo = GetDlgItem(dialog, cmb13);
    if (!combo) return nullptr;
    if (HWND edit = FindWindowExA(combo, nullptr, "Edit", nullptr)) return edit;
    return reinterpret_cast<HWND>(SendMessageA(combo, CBEM_GETEDITCONTROL, 0, 0));
}

std::string WindowText(HWND window) {
    char text[512] = {};
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

void Press(HWND dialog, int button) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

} // namespace

FileDialogDriver::FileDialogDriver(std::string typed)
    : typed_(std::move(typed)), thread_(&FileDialogDriver::Drive, this) {}

FileDialogDriver::~FileDialogDriver() { Finish(); }

void FileDialogDriver::Finish() {
    if (thread_.joinable()) thread_.join();
}

void FileDialogDriver::Drive() {
    Search search;
    HWND field = nullptr;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 60000; Sleep(100)) {
        EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
        if (search.dialog && (field = FileNameField(search.dialog))) break;
    }
    if (!search.dialog) return;
    if (!field || typed_.empty()) {
        if (field) shownName_ = WindowText(field);
        Press(search.dialog, IDCANCEL);
        answered_ = field != nullptr;
        return;
    }
    shownName_ = WindowText(field);
    // Select what the field holds, so that the typed name replaces it.
    SendMessageA(field, EM_SETSEL, 0, -1);
    for (char c : typed_) SendMessageA(field, WM_CHAR, static_cast<unsigned char>(c), 0);
    Press(search.dialog, IDOK);
    answered_ = true;
}
