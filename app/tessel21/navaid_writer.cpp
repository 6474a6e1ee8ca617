// saveNavDat: every navaid inside the rectangle, then "99" on request.
#include "subset_headers.h"
#include "subset_writer.h"

namespace tessel21 {
namespace {

Str NavaidLine(const SubsetWriter& out, const Nav* nav) {
    Str line = Join(Number(nav->navType), TS(" "), out.Format(nav->lat, TS("+00.000000")));
    line = Join(line, TS(" "), out.Format(nav->lon, TS("+000.000000")));
    line = Join(line, TS(" "), out.Format(nav->numA, TS("000000;-000000")));
    line = Join(line, TS(" "), out.Format(nav->numB, TS("00000;-00000")));
    line = Join(line, TS(" "), out.Format(nav->numC, TS("0000000.000;-0000000.000")));
    Str ident(StringDBCSLeft(Join(nav->ident, TS("   ")), 4));
    line = Join(line, TS(" "), ident);
    return Join(line, TS(" "), nav->tail);
}

} // namespace

extern "C" void saveNavDat(Object* mainWindow) {
    RuntimeArray* navaids = glob()->navaids;
    SubsetWriter out(mainWindow, navaids, TS(" navaids"), 1);
    if (!out.Open(TS("new_nav.dat"), NavHeader())) return;
    for (int i = 1; i <= out.Total(); i++) {
        out.Step();
        Obj navaid = RecordAt(navaids, i);
        const Nav* nav = navaid.As<Nav>();
        if (out.Area().Holds(nav->lat, nav->lon)) out.Line(NavaidLine(out, nav));
        RuntimeBackgroundTask();
    }
    if (out.XPReady()) out.Line(TS("99"));
    out.Close();
}

} // namespace tessel21
