// getFixDat: fix.dat into fix records; the file is optional.
#include "configparser.h"
#include "datafile_reader.h"
#include "readers.h"

namespace tessel21 {

extern "C" void getFixDat(InitWin* window) {
    Object* self = reinterpret_cast<Object*>(window);
    Object* bar = Control(self, TS("pBar"));
    progressMaximumSetter(bar, 0, 30);
    progressValueSetter(bar, 0, 0);
    DataFileReader reader(window, TS("/data/fix.dat"), &window->fixFile);
    if (reader.Found()) SetCaption(self, TS("taskText"), TS("Now reading the fixpoint data..."));
    if (!reader.Found() || !reader.Open()) {
        RuntimeMsgBox(TS("fix.dat not found! Proceeding without the fix point data."));
        return;
    }
    // every version is cut alike: the version only decides the message
    const VersionRow versions[] = {
        {TS("FixXP 2.26"), 226}, {TS("FixXP 2.32"), 232}, {TS("FixXP 2.35"), 235},
        {TS("FixXP 2.38"), 238}, {TS("FixXP 2.45"), 245}, {TS("FixXP 2.46"), 246},
    };
    reader.ReadVersion(versions, sizeof versions / sizeof versions[0], 246);
    SetCaption(self, TS("taskText"), TS("Now reading the fix.dat data..."));
    formRefresh(self);
    RuntimeShowWindow(self);

    int fixes = 0;
    while (!reader.AtEnd()) {
        Str line = reader.NextLine();
        // blank lines and the end line are counted, but make no fix
        if (!IsBlankOrEndLine(line)) {
            Obj point(RuntimeNewObject(kFixClass));
            Fix* fix = point.As<Fix>();
            fix->lat = CutNumber(line, 1, 10);
            fix->lon = CutNumber(line, 12, 11);
            fix->name = Cut(line, 24, 6).Release();
            RuntimeObjectArrayAppend(glob()->fixes, point);
            fixes++;
        }
        reader.EndOfLine(200);
    }
    reader.Close();

    SetCaption(self, TS("fixPointText"), Join(TS("Fixpoints: "), Number(fixes)));
    SetCaption(self, TS("taskText"), TS("All Done."));
    double before = StringVal(CaptionOf(Control(self, TS("nLines"))));
    SetCaption(self, TS("nLines"), Join(TS("Processed: "), Str(StringStr(before + IntToFP(reader.LineCount())))));
    SetCaption(self, TS("StaticText1"), TS("Initialisation completed successfully!"));
    SetButtonCaption(self, TS("theButt"), TS("Proceed"));
    reader.FillBar();
    formRefresh(self);
}

} // namespace tessel21
