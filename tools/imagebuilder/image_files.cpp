#include "image_files.h"

#include <cstdio>

#include "build_error.h"
#include "pickle_stamp.h"
#include "resource_index.h"

namespace {

void append_section(Bytes &out, const Bytes &section) {
    append_u32le(out, uint32_t(section.size()));
    append_bytes(out, section);
}

} // namespace

Bytes image_blob(const Image &image) {
    Bytes blob;
    append_section(blob, image.code1);
    append_section(blob, image.code2);
    append_section(blob, image.data1);
    append_section(blob, image.data2);
    return blob;
}

Bytes shipped_executable(Bytes runtime, const std::string &runtime_path, const Image &image,
                         const std::vector<Bytes> &resources) {
    Bytes index = resources.empty() ? Bytes() : build_resource_index(resources);
    Bytes blob = image_blob(image);
    uint64_t image_offset = uint64_t(runtime.size()) + index.size();
    if (image_offset + blob.size() > UINT32_MAX)
        throw BuildError(runtime_path, "the shipped executable would exceed 4 GB");
    uint32_t index_offset = resources.empty() ? NO_RESOURCE_INDEX : uint32_t(runtime.size());
    stamp_pickle(runtime, runtime_path, uint32_t(image_offset), index_offset);
    append_bytes(runtime, index);
    append_bytes(runtime, blob);
    return runtime;
}

std::string symbol_map_text(const Image &image) {
    std::string text;
    for (const MapEntry &e : image.symbols) {
        char offset[16];
        std::snprintf(offset, sizeof offset, "%08x", unsigned(e.offset));
        text += e.name + " " + region_name(e.region) + " " + offset + "\n";
    }
    return text;
}
