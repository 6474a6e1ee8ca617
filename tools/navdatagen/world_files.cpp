// Full-size files for benchmarks: airports, navaids and fixes spread over
// the world, as many lines as asked, in any version's layout. The same
// sizes always give the same bytes.
#include "navdata_files.h"
#include <cmath>

namespace navdata {
namespace {

class Random {
public:
    unsigned Next() { state_ = state_ * 1103515245u + 12345u; return state_ >> 8; }
    int Below(int n) { return static_cast<int>(Next() % static_cast<unsigned>(n)); }
    double Between(double low, double high) { return low + (high - low) * (Next() % 1000000) / 1000000.0; }

private:
    unsigned state_ = 20010611u;
};

const char* const kSyllables[] = {"AR", "BEL", "CO", "DAN", "ER", "FO", "GAL", "HI", "IN", "JO", "KAR",
                                  "LE", "MON", "NO", "OS", "PER", "QUI", "RO", "SAN", "TO", "UL",
                                  "VI", "WE", "XA", "YO", "ZE"};

std::string Letters(Random& random, int count) {
    std::string text;
    for (int i = 0; i < count; i++) text += static_cast<char>('A' + random.Below(26));
    return text;
}

std::string Name(Random& random, int words) {
    std::string text;
    for (int w = 0; w < words; w++) {
        if (w) text += ' ';
        int syllables = 2 + random.Below(2);
        for (int s = 0; s < syllables; s++) text += kSyllables[random.Below(26)];
    }
    // capitals only at the start of each word
    for (size_t i = 1; i < text.size(); i++)
        if (text[i - 1] != ' ' && text[i] != ' ') text[i] = static_cast<char>(text[i] - 'A' + 'a');
    return text;
}

// Land-like elevations, a few below sea level.
int Elevation(Random& random) {
    int roll = random.Below(100);
    if (roll < 3) return -random.Below(60);
    if (roll < 80) return random.Below(900);
    return random.Below(9000);
}

void WriteAirports(const Output& output, int version, long lines, Random& random) {
    LineFile apt(output, "apt.dat");
    apt.Line("I");
    apt.Line(AptVersionLine(version));
    while (apt.Count() < lines) {
        double lat = random.Between(-56, 71), lon = random.Between(-180, 180);
        std::string icao = Letters(random, 4), name = Name(random, 1 + random.Below(3));
        apt.Line("");
        apt.Line(AirportLine(version, {Elevation(random), random.Below(2), 0, icao.c_str(), name.c_str()}));
        int runways = 1 + random.Below(3), taxiways = random.Below(6);
        for (int i = 0; i < runways + taxiways; i++) {
            bool taxiway = i >= runways;
            Runway runway{lat + random.Between(-0.01, 0.01), lon + random.Between(-0.01, 0.01),
                          taxiway ? 99 : 1 + random.Below(18), taxiway ? 'x' : "xLRC"[random.Below(4)],
                          random.Between(0, 360), 300 + random.Below(12000), 50 + random.Below(150),
                          taxiway ? "01111111" : "02121321"};
            apt.Line(RunwayLine(version, runway));
        }
        if (random.Below(2)) apt.Line("14 " + Coordinates(lat, lon) + "  100 0 Tower");
        if (random.Below(2)) apt.Line("15 " + Coordinates(lat, lon) + "   90.00 Ramp " + std::to_string(1 + random.Below(9)));
        if (random.Below(3) == 0) apt.Line("50 12" + std::to_string(100 + random.Below(900)) + " ATIS");
    }
    apt.Line("99");
}

// 2.26 has room for three characters of elevation.
Navaid RandomNavaid(Random& random, int version) {
    int type = 2 + random.Below(8);
    double lat = random.Between(-56, 71), lon = random.Between(-180, 180);
    int elevation = version == 226 ? random.Below(1000) - 99 : Elevation(random);
    int frequency = type == 2 ? 190 + random.Below(1500) : 10800 + random.Below(1000);
    double bearing = type == 3 ? random.Between(-30, 30) : random.Between(0, 360);
    static std::string ident;
    ident = type >= 7 ? "" : Letters(random, 2 + random.Below(3));
    const char* kinds[] = {"", "", "NDB", "VOR/DME", "ILS-cat-I", "LOC", "GS", "OM", "MM", "IM"};
    return {type, lat, lon, elevation, frequency, 25 + random.Below(130), bearing, ident.c_str(),
            Name(random, 1) + " " + kinds[type]};
}

void WriteNavaids(const Output& output, int version, long lines, Random& random) {
    LineFile nav(output, "nav.dat");
    nav.Line("I");
    nav.Line(NavVersionLine(version));
    while (nav.Count() < lines) nav.Line(NavaidLine(version, RandomNavaid(random, version)));
    nav.Line("99");
}

void WriteFixes(const Output& output, int version, long lines, Random& random) {
    LineFile fix(output, "fix.dat");
    fix.Line("I");
    fix.Line(FixVersionLine(version));
    while (fix.Count() < lines) {
        std::string name = Letters(random, 5);
        fix.Line(FixLine({random.Between(-80, 80), random.Between(-180, 180), name.c_str()}));
    }
    fix.Line("99");
}

} // namespace

void WriteWorld(const Output& output, const WorldSizes& sizes) {
    Random random;
    WriteAirports(output, sizes.aptVersion, sizes.aptLines, random);
    WriteNavaids(output, sizes.navVersion, sizes.navLines, random);
    WriteFixes(output, sizes.fixVersion, sizes.fixLines, random);
}

} // namespace navdata
