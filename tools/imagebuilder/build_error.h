// The one kind of failure of the builder: a message that names the file it
// is about. main() prints it as "imagebuilder: <file>: <what>".
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

class BuildError : public std::runtime_error {
public:
    BuildError(const std::string &file, const std::string &what)
        : std::runtime_error(file.empty() ? what : file + ": " + what) {}
};

// "0x1f0": offsets in messages.
std::string hex(uint32_t value);
