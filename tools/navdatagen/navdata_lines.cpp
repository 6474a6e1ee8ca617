#include "navdata_lines.h"
#include <cstdio>

namespace navdata {
namespace {

// A line built by columns, counted from 1 as the readers count them.
class Columns {
public:
    // text placed with its last character at column last
    void Right(int last, const std::string& text) { At(last - static_cast<int>(text.size()) + 1, text); }
    void At(int first, const std::string& text) {
        size_t end = static_cast<size_t>(first - 1) + text.size();
        if (line_.size() < end) line_.resize(end, ' ');
        line_.replace(static_cast<size_t>(first - 1), text.size(), text);
    }
    std::string Text() const { return line_; }

private:
    std::string line_;
};

std::string Printed(const char* format, double value) {
    char text[64];
    snprintf(text, sizeof text, format, value);
    return text;
}

std::string Printed(const char* format, int value) {
    char text[64];
    snprintf(text, sizeof text, format, value);
    return text;
}

std::string VersionText(int version) {
    return Printed("%d", version / 100) + "." + Printed("%02d", version % 100);
}

} // namespace

bool KnownVersion(int version) {
    switch (version) {
    case 225: case 226: case 232: case 235: case 238: case 245: case 246: return true;
    }
    return false;
}

// Elevation in columns 3 to 7, the flags in 9 and 11; 2.25 and 2.38 put the
// code one column further right, 2.25 with the name straight after it.
std::string AirportLine(int version, const Airport& airport) {
    Columns line;
    line.At(1, "1");
    line.Right(7, Printed("%d", airport.elevation));
    line.At(9, Printed("%d", airport.hasTower));
    line.At(11, Printed("%d", airport.buildings));
    bool shifted = version == 225 || version == 238;
    line.At(shifted ? 14 : 13, airport.icao);
    line.At(version == 225 ? 18 : version == 238 ? 19 : 18, airport.name);
    return line.Text();
}

// Latitude in 4 to 13, longitude in 15 to 25, length in 40 to 45 and width
// in 47 to 50 in every version; number, suffix and heading move with it.
std::string RunwayLine(int version, const Runway& runway) {
    int numberAt = 27, suffixAt = 30, headingLast = 38;
    const char* headingFormat = "%.3f";
    if (version == 225) numberAt = 28, suffixAt = 31, headingLast = 39;
    if (version == 238) numberAt = 28, suffixAt = 32, headingLast = 39, headingFormat = "%.2f";
    Columns line;
    line.At(1, "10");
    line.Right(13, Printed("%.6f", runway.lat));
    line.Right(25, Printed("%.6f", runway.lon));
    line.At(numberAt, Printed("%02d", runway.number));
    line.At(suffixAt, std::string(1, runway.suffix));
    line.Right(headingLast, Printed(headingFormat, runway.heading));
    line.Right(45, Printed("%d", runway.length));
    line.Right(50, Printed("%d", runway.width));
    line.At(52, runway.codes);
    return line.Text();
}

// 2.25 and 2.26 keep the range in columns 38 to 41, which their readers
// pass over; 2.26 writes wider coordinates and has room for an elevation
// of three characters only; from 2.32 on the range is gone and the bearing
// takes its place.
std::string NavaidLine(int version, const Navaid& navaid) {
    Columns line;
    line.At(1, Printed("%d", navaid.type));
    if (version == 226) {
        line.Right(13, Printed("%.7f", navaid.lat));
        line.Right(26, Printed("%.7f", navaid.lon));
        line.Right(31, Printed("%d", navaid.elevation));
    } else {
        line.Right(12, Printed("%.6f", navaid.lat));
        line.Right(24, Printed("%.6f", navaid.lon));
        line.Right(31, Printed("%d", navaid.elevation));
    }
    line.Right(37, Printed("%d", navaid.frequency));
    if (version == 225 || version == 226) {
        line.Right(41, Printed("%d", navaid.range));
        line.Right(version == 225 ? 49 : 48, Printed("%.2f", navaid.bearing));
        line.At(51, navaid.ident);
    } else {
        line.Right(48, Printed("%.3f", navaid.bearing));
        line.At(50, navaid.ident);
    }
    line.At(56, navaid.name);
    return line.Text();
}

std::string FixLine(const Fix& fix) {
    Columns line;
    line.Right(10, Printed("%.6f", fix.lat));
    line.Right(22, Printed("%.6f", fix.lon));
    line.At(24, fix.name);
    return line.Text();
}

std::string AptVersionLine(int version) {
    return "500 Version - generated airport data, format AptXP520 " + VersionText(version) +
           ", made for Airport Tessel's tests and benchmarks";
}

std::string NavVersionLine(int version) {
    return "500 Version - generated navaid data, format NavXP51 " + VersionText(version) +
           ", made for Airport Tessel's tests and benchmarks";
}

std::string FixVersionLine(int version) {
    return "500 Version - generated fix data, format FixXP " + VersionText(version) +
           ", made for Airport Tessel's tests and benchmarks";
}

} // namespace navdata
