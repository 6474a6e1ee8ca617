#include "subset_writer.h"
#include "number_text.h"

namespace tessel21 {
namespace {

constexpr int kStaticTextField = 0x68;
constexpr int kStep = 200;

double FieldValue(Object* window, StringObject* name) {
    return StringVal(Str(editTextGetter(Control(window, name), 0)));
}

} // namespace

SubsetWriter::SubsetWriter(Object* mainWindow, RuntimeArray* records, StringObject* kindWord, int barScale)
    : main_(mainWindow), progress_(glob()->progressWindow), records_(records), kindWord_(kindWord),
      barScale_(barScale), total_(RuntimeUBound(records)), separator_(DecimalSeparatorText()) {
    // The save dialog and the message box keep the main window disabled and
    // the yields take no messages, so the fields cannot change during a
    // save: they are read once.
    area_ = {FieldValue(main_, TS("maxlat")), FieldValue(main_, TS("minlat")),
             FieldValue(main_, TS("maxlon")), FieldValue(main_, TS("minlon"))};
}

SubsetWriter::~SubsetWriter() { RuntimeUnlockObject(stream_); }

bool SubsetWriter::Open(StringObject* defaultName, StringObject* header) {
    staticCaptionSetter(Control(progress_, TS("stats")), kStaticTextField,
                        Join(Join(TS("Processing N\xB0 1 of "), Number(total_)), kindWord_));
    Object* bar = Control(progress_, TS("pbar"));
    progressMaximumSetter(bar, 0, FPToInt(IntToFP(total_) / barScale_));
    progressValueSetter(bar, 0, 0);

    Obj item(RuntimeGetSaveFolderItem(TS("TEXT"), defaultName));
    // the program never replaces a file, and a file that cannot be made
    // is refused the same way before anything is written
    if (item && !fileExistsGetter(item, 0)) {
        if (showMainWindow_) RuntimeShowWindow(main_);
        stream_ = FolderItemCreateTextFile(item);
    }
    if (!stream_) {
        RuntimeMsgBox(TS("Could not create the output file. Sorry."));
        return false;
    }
    Line(TS("I"));
    Line(header);
    Line(nullptr);
    return true;
}

void SubsetWriter::Step() {
    if (counter_ != kStep) {
        counter_++;
        return;
    }
    Object* bar = Control(progress_, TS("pbar"));
    int value = FPToInt(IntToFP(kStep) / barScale_ + IntToFP(progressValueGetter(bar, 0)));
    progressValueSetter(bar, 0, value);
    ShowProgress(value * barScale_);
    counter_ = 0;
}

void SubsetWriter::ShowProgress(int shown) {
    Str text = Join(Join(TS("Processing N\xB0 "), Number(shown), TS(" of ")), Number(total_), kindWord_);
    staticCaptionSetter(Control(progress_, TS("stats")), kStaticTextField, text);
    formRefresh(progress_);
}

bool SubsetWriter::XPReady() const { return checkBoxValueGetter(Control(main_, TS("xpready")), 0); }

Str SubsetWriter::Format(double value, StringObject* mask) const {
    return Str(FormatWithPoint(value, mask, separator_));
}

} // namespace tessel21
