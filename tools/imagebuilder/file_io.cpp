#include "file_io.h"

#include <fstream>
#include <iterator>

#include "build_error.h"

Bytes read_file(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw BuildError(path, "cannot open file");
    Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw BuildError(path, "cannot read file");
    return bytes;
}
