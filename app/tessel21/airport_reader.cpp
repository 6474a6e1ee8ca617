// getAptData: apt.dat into airports and their runways.
#include "configparser.h"
#include "datafile_reader.h"
#include "readers.h"

namespace tessel21 {
namespace {

StringObject* VersionLabel(int code) {
    switch (code) {
    case 225: return TS("File Version: 2.25");
    case 226: return TS("File Version: 2.26");
    case 232: return TS("File Version: 2.32");
    case 235: return TS("File Version: 2.35");
    case 238: return TS("File Version: 2.38");
    case 245: return TS("File Version: 2.45");
    }
    return TS("File Version: 2.46");
}

} // namespace

extern "C" void getAptData(InitWin* window) {
    Object* self = reinterpret_cast<Object*>(window);
    DataFileReader reader(window, TS("/data/apt.dat"), &window->aptFile);
    if (!reader.Found() || !reader.Open()) {
        RuntimeMsgBox(TS("apt.dat not found! I need this files to be in my <\\data> folder."));
        window->aptOK = false;
        return;
    }
    const VersionRow versions[] = {
        {TS("AptXP520 2.25"), 225}, {TS("AptXP520 2.26"), 226}, {TS("AptXP520 2.32"), 232},
        {TS("AptXP520 2.35"), 235}, {TS("AptXP520 2.38"), 238}, {TS("AptXP520 2.45"), 245},
        {TS("AptXP520 2.46"), 246},
    };
    int code = reader.ReadVersion(versions, sizeof versions / sizeof versions[0], 0);
    configureParser(configParser(), code ? code : 246);
    SetCaption(self, TS("taskText"), TS("Now reading the airport and runway data..."));
    SetCaption(self, TS("fileVers"), code ? VersionLabel(code) : TS("File Version: 2.46?"));
    formRefresh(self);

    Obj airport;
    int airports = 0;
    while (!reader.AtEnd()) {
        Str line = reader.NextLine();
        double rowCode = StringVal(Str(StringDBCSLeft(line, 2)));
        if (rowCode == 1) {
            if (airport) RuntimeObjectArrayAppend(glob()->airports, airport);
            airport = Obj(RuntimeNewObject(kAptClass));
            parseAirport(configParser(), airport.As<Apt>(), line);
            airports++;
        } else if (rowCode == 10 && airport) {
            // a runway line before the first airport line has no airport to
            // join and is passed over
            Obj runway(RuntimeNewObject(kRwyClass));
            parseRunway(configParser(), runway.As<Rwy>(), line);
            RuntimeObjectArrayAppend(airport.As<Apt>()->runways, runway);
        }
        window->aptOK = true;
        reader.EndOfLine(1000);
    }
    if (airport) RuntimeObjectArrayAppend(glob()->airports, airport);
    reader.FillBar();
    reader.Close();
    SetCaption(self, TS("taskText"), TS("Finished reading apt.dat"));
    SetCaption(self, TS("nAP"), Number(airports));
    SetCaption(self, TS("nLines"), Number(reader.LineCount()));
    formRefresh(self);
}

} // namespace tessel21
