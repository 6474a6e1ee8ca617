// The builder's options; see usage_text() for their meaning.
#pragma once

#include <string>
#include <vector>

struct CommandLine {
    std::string entry = "ImageMain";
    std::string classes = "ClassList";
    std::vector<std::pair<std::string, std::string>> plugins;   // (name, file)
    std::vector<std::string> resources;
    std::string dev_files, image, ship, output, map;
    std::vector<std::string> objects;
    bool help = false;
};

const char *usage_text();

// Throws a BuildError for options that do not make sense.
CommandLine parse_command_line(const std::vector<std::string> &args);
