#include "navdata_files.h"
#include <cstdlib>

namespace navdata {

LineFile::LineFile(const Output& output, const char* name) : lineEnd_(output.lineEnd) {
    std::string path = output.folder + "/" + name;
    file_ = fopen(path.c_str(), "wb");
    if (!file_) {
        fprintf(stderr, "navdatagen: cannot create %s\n", path.c_str());
        exit(1);
    }
}

LineFile::~LineFile() {
    if (fclose(file_) != 0) {
        fprintf(stderr, "navdatagen: writing failed\n");
        exit(1);
    }
}

void LineFile::Line(const std::string& text) {
    fputs(text.c_str(), file_);
    fputs(lineEnd_.c_str(), file_);
    count_++;
}

std::string Coordinates(double lat, double lon) {
    char text[64];
    snprintf(text, sizeof text, "%10.6f %11.6f", lat, lon);
    return text;
}

} // namespace navdata
