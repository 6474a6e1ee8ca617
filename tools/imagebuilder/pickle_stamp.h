// The PICKLE resource (type "PICKLE", id 101, 8 bytes) of the runtime
// executable tells it where its image and resource index lie in the file.
#pragma once

#include <string>

#include "byte_order.h"

const uint32_t NO_RESOURCE_INDEX = 0xFFFFFFFF;

// File offset of the resource's 8 bytes; a BuildError (about `path`) when
// the file is no PE executable or has no such resource.
uint32_t find_pickle(const Bytes &exe, const std::string &path);

void stamp_pickle(Bytes &exe, const std::string &path, uint32_t image_offset, uint32_t index_offset);
