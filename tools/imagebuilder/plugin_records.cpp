#include "plugin_records.h"

#include "build_error.h"

uint32_t append_plugin_records(const std::vector<StoredPlugin> &plugins, Bytes &data1,
                               std::vector<DataRelocation> &relocations) {
    uint32_t first = 0;
    uint32_t previous_link = 0;   // data1 offset of the last record's next-word
    for (const StoredPlugin &plugin : plugins) {
        if (plugin.name.empty() || plugin.name.size() > MAX_PLUGIN_NAME)
            throw BuildError(plugin.file, "plug-in name must be 1 to 127 bytes: \"" + plugin.name + "\"");
        uint64_t count = 4 + 1 + uint64_t(plugin.name.size()) + plugin.contents.size();
        if (count > UINT32_MAX - data1.size())
            throw BuildError(plugin.file, "plug-in library too large");
        align_to(data1, 4);
        uint32_t record = uint32_t(data1.size());
        if (first == 0) {
            first = record;
        } else {
            put_u32le(&data1[previous_link], record);
            relocations.push_back({previous_link, Region::data1});
        }
        previous_link = record;
        append_u32le(data1, 0);
        append_u32le(data1, uint32_t(count));
        append_u32le(data1, 0);
        data1.push_back(uint8_t(plugin.name.size()));
        data1.insert(data1.end(), plugin.name.begin(), plugin.name.end());
        append_bytes(data1, plugin.contents);
    }
    return first;
}
