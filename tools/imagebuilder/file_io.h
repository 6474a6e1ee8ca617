// Whole-file reading; a file that cannot be read is a build error.
#pragma once

#include <string>

#include "byte_order.h"

Bytes read_file(const std::string &path);
