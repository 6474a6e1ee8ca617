#include "resource_index.h"

Bytes build_resource_index(const std::vector<Bytes> &resources) {
    Bytes index;
    append_u32be(index, uint32_t(resources.size()));
    uint32_t offset = 0;
    for (const Bytes &r : resources) {
        append_u32be(index, offset);
        offset += uint32_t(r.size());
    }
    for (const Bytes &r : resources)
        append_bytes(index, r);
    return index;
}
