// navdatagen: X-Plane navigation data files for Airport Tessel.
//
//   navdatagen sample FOLDER
//       the bundled sample region (data/), versions 2.45, CR LF
//   navdatagen world FOLDER [--apt V] [--nav V] [--fix V] [--eol crlf|lf|cr]
//                           [--apt-lines N] [--nav-lines N] [--fix-lines N]
//       full-size files (250,000, 25,000 and 120,000 lines by default) in the
//       layout of version V (225, 226, 232, 235, 238, 245 or 246)
#include "navdata_files.h"
#include <cstdlib>
#include <cstring>

namespace {

[[noreturn]] void Usage() {
    fprintf(stderr, "usage: navdatagen sample FOLDER\n"
                    "       navdatagen world FOLDER [--apt V] [--nav V] [--fix V] [--eol crlf|lf|cr]\n"
                    "                               [--apt-lines N] [--nav-lines N] [--fix-lines N]\n");
    exit(2);
}

int Version(const char* text) {
    int version = atoi(text);
    if (!navdata::KnownVersion(version)) Usage();
    return version;
}

long Count(const char* text) {
    long count = atol(text);
    if (count < 1) Usage();
    return count;
}

std::string LineEnd(const char* text) {
    if (!strcmp(text, "crlf")) return "\r\n";
    if (!strcmp(text, "lf")) return "\n";
    if (!strcmp(text, "cr")) return "\r";
    Usage();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) Usage();
    navdata::Output output;
    output.folder = argv[2];
    if (!strcmp(argv[1], "sample") && argc == 3) {
        navdata::WriteSampleRegion(output);
        return 0;
    }
    if (strcmp(argv[1], "world")) Usage();
    navdata::WorldSizes sizes;
    for (int i = 3; i + 1 < argc; i += 2) {
        const char *option = argv[i], *value = argv[i + 1];
        if (!strcmp(option, "--apt")) sizes.aptVersion = Version(value);
        else if (!strcmp(option, "--nav")) sizes.navVersion = Version(value);
        else if (!strcmp(option, "--fix")) sizes.fixVersion = Version(value);
        else if (!strcmp(option, "--eol")) output.lineEnd = LineEnd(value);
        else if (!strcmp(option, "--apt-lines")) sizes.aptLines = Count(value);
        else if (!strcmp(option, "--nav-lines")) sizes.navLines = Count(value);
        else if (!strcmp(option, "--fix-lines")) sizes.fixLines = Count(value);
        else Usage();
    }
    if ((argc - 3) % 2) Usage();
    navdata::WriteWorld(output, sizes);
    return 0;
}
