// Writing the three files: a folder, a line end, and the two sets of
// contents (the bundled sample region, and full-size world files).
#pragma once
#include "navdata_lines.h"
#include <cstdio>
#include <string>

namespace navdata {

struct Output {
    std::string folder;
    std::string lineEnd = "\r\n";
};

struct WorldSizes {
    int aptVersion = 245, navVersion = 245, fixVersion = 245;
    long aptLines = 250000, navLines = 25000, fixLines = 120000;
};

class LineFile {
public:
    LineFile(const Output& output, const char* name);
    ~LineFile();
    void Line(const std::string& text);
    long Count() const { return count_; }

private:
    FILE* file_;
    std::string lineEnd_;
    long count_ = 0;
};

std::string Coordinates(double lat, double lon);

void WriteSampleRegion(const Output& output);
void WriteWorld(const Output& output, const WorldSizes& sizes);

} // namespace navdata
