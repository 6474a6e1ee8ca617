// saveFixDat: every fix inside the rectangle, then "99" on request; the
// last writer of a save, it closes the progress window.
#include "subset_headers.h"
#include "subset_writer.h"

namespace tessel21 {

extern "C" void saveFixDat(Object* mainWindow) {
    RuntimeArray* fixes = glob()->fixes;
    SubsetWriter out(mainWindow, fixes, TS(" fix points"), 10);
    if (!out.Open(TS("new_fix.dat"), FixHeader())) return;
    for (int i = 1; i <= out.Total(); i++) {
        out.Step();
        Obj point = RecordAt(fixes, i);
        const Fix* fix = point.As<Fix>();
        if (out.Area().Holds(fix->lat, fix->lon)) {
            Str line = Join(out.Format(fix->lat, TS("+00.000000")), TS(" "), out.Format(fix->lon, TS("+000.000000")));
            out.Line(Join(line, TS(" "), fix->name));
        }
        RuntimeBackgroundTask();
    }
    if (out.XPReady()) out.Line(TS("99"));
    out.Close();
    RuntimeCloseWindow(glob()->progressWindow);
    Store(glob()->progressWindow, nullptr);
}

} // namespace tessel21
