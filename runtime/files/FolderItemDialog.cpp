// The save and open dialogs: the system's common file dialogs, offering the
// project's file types named by the caller, owned by the dialog owner. The
// chosen path becomes a folder item as the dialog gives it; a cancelled
// dialog gives nil.
#include "folderitemroutines.h"
#include "core/string.h"
#include "fileclasses.h"
#include "filetypes.h"
#include "ui/dialogowner.h"
#include <windows.h>
#include <commdlg.h>
#include <cstring>

namespace {

constexpr DWORD kSaveFlags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;   // 0x806
constexpr DWORD kOpenFlags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;     // 0x1804

// The name buffer holds 256 bytes with its NUL; a longer default name is cut.
struct FileNameBuffer {
    char text[256] = {};
    explicit FileNameBuffer(const StringObject* name) {
        uint32_t length = StringLength(name) < sizeof text ? StringLength(name) : sizeof text - 1;
        memcpy(text, StringText(name), length);
    }
};

template <typename Dialog>
ObjectInstance* AskForFile(Dialog dialog, StringObject* fileTypes, StringObject* defaultName,
                           DWORD flags, bool withDefaultExtension) {
    FileTypeFilter filter = BuildFileTypeFilter(SpanOf(fileTypes));
    FileNameBuffer name(defaultName);
    OPENFILENAMEA request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = DialogOwner();
    request.lpstrFilter = filter.bytes.c_str();
    request.lpstrFile = name.text;
    request.nMaxFile = sizeof name.text;
    request.Flags = flags;
    if (withDefaultExtension && !filter.defaultExtension.empty())
        request.lpstrDefExt = filter.defaultExtension.c_str();
    if (!dialog(&request)) return nullptr;
    return NewFolderItemFor(SpanOf(name.text));
}

} // namespace

extern "C" ObjectInstance* RuntimeGetSaveFolderItem(StringObject* fileTypes, StringObject* defaultName) {
    return AskForFile(GetSaveFileNameA, fileTypes, defaultName, kSaveFlags, true);
}

extern "C" ObjectInstance* RuntimeGetOpenFolderItem(StringObject* fileTypes) {
    return AskForFile(GetOpenFileNameA, fileTypes, nullptr, kOpenFlags, false);
}
