#include "datafile_reader.h"

namespace tessel21 {
namespace {

constexpr int kStaticTextField = 0x68;   // Text of a StaticText

Object* Bar(Object* window) { return Control(window, TS("pBar")); }

} // namespace

Str CaptionOf(Object* control) { return Str(stringGetter(control, kStaticTextField)); }

void SetCaption(Object* window, StringObject* control, StringObject* text) {
    staticCaptionSetter(Control(window, control), kStaticTextField, text);
}

void SetButtonCaption(Object* window, StringObject* control, StringObject* text) {
    pushButtonTitleSetter(Control(window, control), 0, text);
}

static bool IsBlankAt(StringObject* line, int position) {
    Str character(StringDBCSMid3(line, position, 1));
    return RuntimeStringCompare(character, TS(" ")) == 0 || RuntimeStringCompare(character, TS("\t")) == 0;
}

extern "C" bool IsBlankOrEndLine(StringObject* line) {
    int first = 1, last = StringDBCSLen(line);
    while (first <= last && IsBlankAt(line, first)) first++;
    while (last >= first && IsBlankAt(line, last)) last--;
    if (last < first) return true;
    return last - first == 1 && RuntimeStringCompare(Str(StringDBCSMid3(line, first, 2)), TS("99")) == 0;
}

DataFileReader::DataFileReader(InitWin* window, StringObject* relativePath, Object** fileProperty)
    : window_(reinterpret_cast<Object*>(window)) {
    Str folder(fileAbsolutePathGetter(glob()->appFolder, 0));
    item_ = Obj(RuntimeGetFolderItem(Join(folder, relativePath)));
    Store(*fileProperty, item_);
    found_ = item_ && fileExistsGetter(item_, 0);
}

bool DataFileReader::Open() {
    RuntimeShowWindow(window_);
    stream_ = FolderItemOpenTextFile(item_);
    if (!stream_) return false;
    Str first(TextInputStreamReadLine(stream_));
    formRefresh(window_);
    return true;
}

DataFileReader::~DataFileReader() { RuntimeUnlockObject(stream_); }

int DataFileReader::ReadVersion(const VersionRow* rows, int count, int fallbackCode) {
    Str line(TextInputStreamReadLine(stream_));
    for (int i = 0; i < count; i++)
        if (StringDBCSInStr(1, line, rows[i].token) > 1) return rows[i].code;
    RuntimeMsgBox(TS("sorry, this file version is newer than anything I know... "
                     "But I will try to parse the file with the latest definition anyway."));
    return fallbackCode;
}

Str DataFileReader::NextLine() {
    lines_++;
    progress_++;
    return Str(TextInputStreamReadLine(stream_));
}

void DataFileReader::EndOfLine(int period) {
    if (progress_ == period) {
        Object* bar = Bar(window_);
        progressValueSetter(bar, 0, progressValueGetter(bar, 0) + 1);
        SetCaption(window_, TS("taskText"), Join(TS("Processing line: "), Number(lines_)));
        progress_ = 0;
    }
    RuntimeBackgroundTask();
}

void DataFileReader::FillBar() {
    Object* bar = Bar(window_);
    while (progressValueGetter(bar, 0) < progressMaximumGetter(bar, 0)) {
        progressValueSetter(bar, 0, progressValueGetter(bar, 0) + 1);
        RuntimeBackgroundTask();
    }
}

void DataFileReader::Close() { TextInputStreamClose(stream_); }

} // namespace tessel21
