// getNavData: nav.dat into navaid records, counting VORs, NDBs and ILS.
#include "configparser.h"
#include "datafile_reader.h"
#include "readers.h"

namespace tessel21 {
namespace {

enum NavType { kNDB = 2, kVOR = 3, kILS = 4 };

struct NavColumns {
    int lat, latCount, lon, lonCount, numA, numACount, numC, numCCount, ident;
};

// 2.25, 2.26, and from 2.32 on
const NavColumns kLayout225 = {3, 10, 14, 11, 27, 9, 43, 7, 51};
const NavColumns kLayout226 = {3, 11, 15, 12, 29, 9, 43, 6, 51};
const NavColumns kLayoutLater = {3, 10, 14, 11, 26, 6, 39, 11, 50};

void ParseNavaid(Nav* nav, StringObject* line, const NavColumns& c) {
    nav->navType = FPToInt(StringVal(Str(StringDBCSLeft(line, 1))));
    nav->lat = CutNumber(line, c.lat, c.latCount);
    nav->lon = CutNumber(line, c.lon, c.lonCount);
    nav->numA = CutWhole(line, c.numA, c.numACount);
    nav->numB = CutWhole(line, 33, 5);
    nav->numC = CutNumber(line, c.numC, c.numCCount);
    nav->ident = Cut(line, c.ident, 4).Release();
    nav->tail = After(line, 55).Release();
}

const NavColumns& LayoutOf(int version) {
    if (version == 225) return kLayout225;
    if (version == 226) return kLayout226;
    return kLayoutLater;
}

} // namespace

extern "C" void getNavData(InitWin* window) {
    Object* self = reinterpret_cast<Object*>(window);
    Object* bar = Control(self, TS("pBar"));
    progressMaximumSetter(bar, 0, 30);
    progressValueSetter(bar, 0, 0);
    DataFileReader reader(window, TS("/data/nav.dat"), &window->navFile);
    if (reader.Found()) SetCaption(self, TS("taskText"), TS("Now reading the nav.dat data..."));
    if (!reader.Found() || !reader.Open()) {
        RuntimeMsgBox(TS("nav.dat not found! I need this files to be in my <\\data>  folder."));
        window->navOK = false;
        return;
    }
    const VersionRow versions[] = {
        {TS("NavXP51 2.25"), 225}, {TS("NavXP51 2.26"), 226}, {TS("NavXP51 2.32"), 232},
        {TS("NavXP51 2.35"), 235}, {TS("NavXP51 2.38"), 238}, {TS("NavXP51 2.45"), 245},
        {TS("NavXP51 2.46"), 246},
    };
    int version = reader.ReadVersion(versions, sizeof versions / sizeof versions[0], 246);
    RuntimeUnlockString(window->navVersion);
    window->navVersion = Number(version).Release();
    SetCaption(self, TS("taskText"), TS("Now reading the VOR, NDB and ILS data..."));

    const NavColumns& layout = LayoutOf(version);
    int vors = 0, ndbs = 0, ils = 0;
    while (!reader.AtEnd()) {
        Str line = reader.NextLine();
        // blank lines and the end line are counted, but make no navaid
        if (!IsBlankOrEndLine(line)) {
            Obj navaid(RuntimeNewObject(kNavClass));
            Nav* nav = navaid.As<Nav>();
            ParseNavaid(nav, line, layout);
            RuntimeObjectArrayAppend(glob()->navaids, navaid);
            if (nav->navType == kVOR) vors++;
            if (nav->navType == kNDB) ndbs++;
            if (nav->navType == kILS) ils++;
        }
        reader.EndOfLine(500);
    }
    window->navOK = true;
    reader.Close();

    SetCaption(self, TS("nVOR"), Number(vors));
    SetCaption(self, TS("nNDB"), Number(ndbs));
    SetCaption(self, TS("nILS"), Number(ils));
    SetCaption(self, TS("taskText"), TS("All Done."));
    double before = StringVal(CaptionOf(Control(self, TS("nLines"))));
    SetCaption(self, TS("nLines"), Str(StringStr(before + IntToFP(reader.LineCount()))));
    SetCaption(self, TS("StaticText1"), TS("Done reading navaid data..."));
    SetButtonCaption(self, TS("theButt"), TS("Proceed"));
    reader.FillBar();
    formRefresh(self);
}

} // namespace tessel21
