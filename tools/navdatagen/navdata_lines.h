// Lines of X-Plane's apt.dat, nav.dat and fix.dat as the versions 2.25 to
// 2.46 lay them out: every field at the columns that version's readers cut.
#pragma once
#include <string>

namespace navdata {

struct Airport {
    int elevation;            // feet; below sea level is negative
    int hasTower, buildings;  // the two one-digit flags
    const char* icao;
    const char* name;
};

struct Runway {
    double lat, lon;          // centre of the runway
    int number;               // lower end's number; 99 for a taxiway
    char suffix;              // 'x' for none, or 'L', 'R', 'C'
    double heading;           // true heading of the lower end
    int length, width;        // feet
    const char* codes;        // surface, shoulder, markings, lights ...
};

struct Navaid {
    int type;                 // 2 NDB, 3 VOR, 4 ILS, 5 LOC, 6 GS, 7 OM, 8 MM, 9 IM
    double lat, lon;
    int elevation;            // feet
    int frequency;            // VOR and ILS in 10 kHz, NDB in kHz
    int range;                // nautical miles
    double bearing;           // variation of a VOR, course of an ILS
    const char* ident;
    std::string name;
};

struct Fix {
    double lat, lon;
    const char* name;
};

// version is the file version times 100: 225, 226, 232, 235, 238, 245, 246.
std::string AirportLine(int version, const Airport& airport);
std::string RunwayLine(int version, const Runway& runway);
std::string NavaidLine(int version, const Navaid& navaid);
std::string FixLine(const Fix& fix);

std::string AptVersionLine(int version);
std::string NavVersionLine(int version);
std::string FixVersionLine(int version);

bool KnownVersion(int version);

} // namespace navdata
