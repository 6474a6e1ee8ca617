// The project-resource index: a big-endian count c, c big-endian entries
// (entry k is the offset of resource k from the end of the entry table),
// then the resources' bytes one after the other.
#pragma once

#include <vector>

#include "byte_order.h"

Bytes build_resource_index(const std::vector<Bytes> &resources);
