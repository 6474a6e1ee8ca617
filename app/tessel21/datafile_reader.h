// The reading procedure that the three readers of the start window share:
// finding the file beside the program, skipping its first line, telling its
// version from the second, the line loop with its progress steps and
// yields, and filling the progress bar at the end.
#pragma once
#include "records.h"

namespace tessel21 {

struct VersionRow {
    StringObject* token;
    int code;
};

class DataFileReader {
public:
    // relativePath below the application folder; the folder item is kept in
    // *fileProperty of the window
    DataFileReader(InitWin* window, StringObject* relativePath, Object** fileProperty);
    ~DataFileReader();

    // False when the file is missing; the reader then shows its own message
    // and ends.
    bool Found() const { return found_; }
    // Shows the window, opens the file, skips line 1 and redraws. False when
    // the file cannot be opened: the reader then ends as for a missing one.
    bool Open();

    // Reads the version line: the first row whose token stands after the
    // line's first character, else the newer-version message and
    // fallbackCode.
    int ReadVersion(const VersionRow* rows, int count, int fallbackCode);

    bool AtEnd() const { return TextInputStreamEOF(stream_, 0); }
    // the next line; counts it
    Str NextLine();
    // the progress step after each line (period lines per step), then the
    // yield
    void EndOfLine(int period);
    // the bar filled to its maximum, one yield per step
    void FillBar();
    void Close();

    int LineCount() const { return lines_; }

private:
    Object* window_;
    Obj item_;
    bool found_ = false;
    Object* stream_ = nullptr;
    int lines_ = 0;
    int progress_ = 0;
};

// The text of a StaticText (its Text field).
Str CaptionOf(Object* control);
void SetCaption(Object* window, StringObject* control, StringObject* text);
void SetButtonCaption(Object* window, StringObject* control, StringObject* text);

// A line that holds nothing but blanks, or the end line "99": no record.
extern "C" bool IsBlankOrEndLine(StringObject* line);

} // namespace tessel21
