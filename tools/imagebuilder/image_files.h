// The forms in which an image leaves the builder.
#pragma once

#include <string>
#include <vector>

#include "image_builder.h"

// code1, code2, data1, data2, each as a little-endian byte count and the bytes.
Bytes image_blob(const Image &image);

// The runtime executable followed by the resource index (when there are
// resources) and the image blob, with its PICKLE resource pointing at both.
Bytes shipped_executable(Bytes runtime, const std::string &runtime_path, const Image &image,
                         const std::vector<Bytes> &resources);

// One line per defined external: "<name> code1|data1 <8 hex digits>".
std::string symbol_map_text(const Image &image);
