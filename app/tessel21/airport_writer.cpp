// saveApt: the airports whose first runway lies inside the rectangle, with
// all their runways, then X-Plane's default airport and "99" on request.
#include "subset_headers.h"
#include "subset_writer.h"

namespace tessel21 {
namespace {

Str AirportLine(const SubsetWriter& out, const Apt* apt) {
    Str line = Join(TS("1  "), out.Format(apt->elevation, TS("0000;-0000")), TS(" "));
    line = Join(line, Number(apt->firstFlag), TS(" "));
    line = Join(line, Number(apt->secondFlag), TS(" "));
    line = Join(line, apt->icao, TS(" "));
    return Join(line, apt->name, TS(" "));
}

Str RunwayLine(const SubsetWriter& out, const Rwy* rwy) {
    Str line = Join(TS("10 "), out.Format(rwy->lat, TS("+00.000000")), TS(" "));
    line = Join(line, out.Format(rwy->lon, TS("+000.000000")), TS(" "));
    line = Join(line, out.Format(rwy->number, TS("00")), TS(" "));
    line = Join(line, rwy->suffix, out.Format(rwy->heading, TS("000.000")));
    line = Join(line, TS(" "), out.Format(rwy->length, TS("000000;-000000")));
    line = Join(line, TS(" "), out.Format(rwy->width, TS("0000;-0000")));
    return Join(line, TS(" "), rwy->codes);
}

} // namespace

extern "C" void saveApt(Object* mainWindow) {
    Obj progress(RuntimeCreateWindow(procWinDescription, nullptr, 0));
    Store(glob()->progressWindow, progress);

    RuntimeArray* airports = glob()->airports;
    SubsetWriter out(mainWindow, airports, TS(" airports"), 1);
    out.ShowMainWindowFirst();
    if (!out.Open(TS("new_apt.dat"), AptHeader())) return;
    for (int i = 1; i <= out.Total(); i++) {
        out.Step();
        Obj airport = RecordAt(airports, i);
        Apt* apt = airport.As<Apt>();
        // an airport without runway lines has no position: never inside
        if (RuntimeUBound(apt->runways) >= 1) {
            Obj first = RecordAt(apt->runways, 1);
            if (out.Area().Holds(first.As<Rwy>()->lat, first.As<Rwy>()->lon)) {
                out.Line(nullptr);
                out.Line(AirportLine(out, apt));
                for (int r = 1; r <= RuntimeUBound(apt->runways); r++) {
                    out.Line(RunwayLine(out, RecordAt(apt->runways, r).As<Rwy>()));
                    RuntimeBackgroundTask();
                }
            }
        }
        RuntimeBackgroundTask();
    }
    if (out.XPReady()) {
        addXPDefaultAP(mainWindow, out.Stream());
        out.Line(TS("99"));
    }
    out.Close();
}

} // namespace tessel21
