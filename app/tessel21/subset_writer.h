// The writing procedure that the three subset writers of the main window
// share: the progress window's texts, the save dialog and its refusal rule,
// the three header lines, the loop over the records with its progress steps
// and yields, the rectangle test, and the ending.
#pragma once
#include "records.h"
#include "window_descriptions.h"

namespace tessel21 {

// The subset rectangle as typed into the main window's four fields.
struct Rectangle {
    double maxlat, minlat, maxlon, minlon;
    // strict on every edge: a point on an edge is outside
    bool Holds(double lat, double lon) const {
        return lat < maxlat && minlat < lat && lon < maxlon && minlon < lon;
    }
};

class SubsetWriter {
public:
    // barScale 1 shows the records on the bar one to one; the fix writer's
    // 10 keeps its bar ten times shorter
    SubsetWriter(Object* mainWindow, RuntimeArray* records, StringObject* kindWord, int barScale);
    ~SubsetWriter();

    // The progress texts, then the save dialog. False when the user
    // cancelled, chose a file that exists or one that cannot be created:
    // the message is shown and nothing is written.
    bool Open(StringObject* defaultName, StringObject* header);
    // Runs between the dialog and creating the file.
    void ShowMainWindowFirst() { showMainWindow_ = true; }

    int Total() const { return total_; }
    // the progress step before record index
    void Step();
    void Line(StringObject* text) { TextOutputStreamWriteLine(stream_, text); }
    Object* Stream() const { return stream_; }
    const Rectangle& Area() const { return area_; }
    bool XPReady() const;
    void Close() { TextOutputStreamClose(stream_); }

    // StringFormat under mask, always with "." as decimal separator
    // (number_text.h).
    Str Format(double value, StringObject* mask) const;
    Str Format(int value, StringObject* mask) const { return Format(IntToFP(value), mask); }

private:
    void ShowProgress(int shown);

    Object* main_;
    Object* progress_;
    RuntimeArray* records_;
    StringObject* kindWord_;
    int barScale_;
    int total_;
    int counter_ = 0;
    bool showMainWindow_ = false;
    Object* stream_ = nullptr;
    Rectangle area_{};
    Str separator_;        // the user's decimal separator when it is not "."
};

extern "C" {
void saveApt(Object* mainWindow);
void saveNavDat(Object* mainWindow);
void saveFixDat(Object* mainWindow);
void addXPDefaultAP(Object* mainWindow, Object* stream);
}

} // namespace tessel21
