// configParser: the columns of apt.dat's airport and runway lines by file
// version, and the cutting of those lines into records.
#include "configparser.h"

namespace tessel21 {
namespace {

struct Columns {
    int version;
    int elev, firstFlag, secondFlag, icao, nameAfter, lat, lon, number, suffix, heading, length, width, codes;
};

const Columns kColumns[] = {
    {225, 3, 9, 11, 14, 17, 4, 15, 28, 31, 33, 40, 47, 51},
    {226, 3, 9, 11, 13, 17, 4, 15, 27, 30, 32, 40, 47, 52},
    {232, 3, 9, 11, 13, 17, 4, 15, 27, 30, 32, 40, 47, 51},
    {235, 3, 9, 11, 13, 17, 4, 15, 27, 30, 32, 40, 47, 51},
    {238, 3, 9, 11, 14, 18, 4, 15, 28, 32, 34, 40, 47, 51},
    {245, 3, 9, 11, 13, 17, 4, 15, 27, 30, 32, 40, 47, 52},
    {246, 3, 9, 11, 13, 17, 4, 15, 27, 30, 32, 40, 47, 52},
};

} // namespace

Str Cut(StringObject* line, int column, int count) { return Str(StringDBCSMid3(line, column, count)); }

double CutNumber(StringObject* line, int column, int count) { return StringVal(Cut(line, column, count)); }

int CutWhole(StringObject* line, int column, int count) { return FPToInt(CutNumber(line, column, count)); }

Str After(StringObject* line, int column) { return Str(StringDBCSRight(line, StringDBCSLen(line) - column)); }

extern "C" {

void configureParser(ConfigParser* parser, int version) {
    for (const Columns& c : kColumns) {
        if (c.version != version) continue;
        parser->elevCol = c.elev;
        parser->numberCol = c.number;
        parser->suffixCol = c.suffix;
        parser->headingCol = c.heading;
        parser->icaoCol = c.icao;
        parser->latCol = c.lat;
        parser->lonCol = c.lon;
        parser->nameAfterCol = c.nameAfter;
        parser->secondFlagCol = c.secondFlag;
        parser->lengthCol = c.length;
        parser->widthCol = c.width;
        parser->firstFlagCol = c.firstFlag;
        parser->codesCol = c.codes;
        return;
    }
}

void parseAirport(ConfigParser* parser, Apt* apt, StringObject* line) {
    apt->elevation = CutWhole(line, parser->elevCol, 6);
    apt->icao = Cut(line, parser->icaoCol, 4).Release();
    apt->name = After(line, parser->nameAfterCol).Release();
    apt->secondFlag = CutWhole(line, parser->secondFlagCol, 1);
    apt->firstFlag = CutWhole(line, parser->firstFlagCol, 1);
}

void parseRunway(ConfigParser* parser, Rwy* rwy, StringObject* line) {
    rwy->lat = CutNumber(line, parser->latCol, 10);
    rwy->lon = CutNumber(line, parser->lonCol, 11);
    rwy->number = CutWhole(line, parser->numberCol, 3);
    rwy->suffix = Cut(line, parser->suffixCol, 2).Release();
    rwy->heading = CutNumber(line, parser->headingCol, 7);
    rwy->length = CutWhole(line, parser->lengthCol, 6);
    rwy->width = CutWhole(line, parser->widthCol, 5);
    rwy->codes = Str(StringDBCSMid2(line, parser->codesCol)).Release();
}

} // extern "C"

} // namespace tessel21
