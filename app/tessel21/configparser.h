// Cutting data lines into fields, and the apt.dat columns of configParser.
#pragma once
#include "records.h"

namespace tessel21 {

// count characters from column (from 1); short lines give a short cut
Str Cut(StringObject* line, int column, int count);
// the leading number of the cut, 0 when there is none
double CutNumber(StringObject* line, int column, int count);
// the same truncated toward zero
int CutWhole(StringObject* line, int column, int count);
// every character after column; empty for a line not longer than column
Str After(StringObject* line, int column);

extern "C" {
void configureParser(ConfigParser* parser, int version);
void parseAirport(ConfigParser* parser, Apt* apt, StringObject* line);
void parseRunway(ConfigParser* parser, Rwy* rwy, StringObject* line);
}

} // namespace tessel21
