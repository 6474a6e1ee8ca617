// All files of one run, written together: each goes to a temporary file
// first and is renamed into place only when every one was written, so a
// failed run leaves no partial outputs behind.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "byte_order.h"

class OutputSet {
public:
    void add(const std::string &path, Bytes contents);
    void write_all();   // throws BuildError

private:
    std::vector<std::pair<std::string, Bytes>> files;
};
