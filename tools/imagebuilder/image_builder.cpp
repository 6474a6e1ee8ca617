#include "image_builder.h"

#include <algorithm>
#include <tuple>

#include "build_error.h"
#include "data_relocations.h"
#include "link_records.h"

const char *const STORED_PLUGINS_SYMBOL = "_tessel_stored_plugins";

namespace {

// Word 0 of data1: the entry routine; word 1: the class list, or 0.
void fill_header(const SymbolTable &table, const BuildOptions &options, Bytes &data1,
                 std::vector<DataRelocation> &relocations) {
    const Location *entry = table.find("_" + options.entry);
    if (!entry || entry->region != Region::code1)
        throw BuildError("", "entry routine " + options.entry + " (symbol _" + options.entry +
                                 ") is not defined in code");
    put_u32le(&data1[0], entry->offset);
    relocations.push_back({0, Region::code1});

    const Location *classes = table.find("_" + options.classes);
    if (!classes)
        return;
    if (classes->region != Region::data1)
        throw BuildError("", "class list " + options.classes + " is code, not data");
    put_u32le(&data1[4], classes->offset);
    relocations.push_back({4, Region::data1});
}

// The plug-in records follow everything else in data1, preceded by the
// builder's word that points at them, when the application asks for it.
void store_plugins(const std::vector<CoffObject> &objects, const BuildOptions &options,
                   SymbolTable &table, Bytes &data1, std::vector<DataRelocation> &relocations) {
    bool wanted = is_referenced_undefined(objects, table, STORED_PLUGINS_SYMBOL);
    uint32_t word = 0;
    if (wanted) {
        align_to(data1, 4);
        word = uint32_t(data1.size());
        append_u32le(data1, 0);
        table.define(STORED_PLUGINS_SYMBOL, {Region::data1, word}, "");
    }
    uint32_t first = append_plugin_records(options.plugins, data1, relocations);
    if (wanted && first != 0) {
        put_u32le(&data1[word], first);
        relocations.push_back({word, Region::data1});
    }
}

std::vector<MapEntry> symbol_map(const SymbolTable &table) {
    std::vector<MapEntry> entries;
    for (const auto &[name, where] : table.defined)
        entries.push_back({name[0] == '_' ? name.substr(1) : name, where.region, where.offset});
    std::stable_sort(entries.begin(), entries.end(), [](const MapEntry &a, const MapEntry &b) {
        return std::tie(a.region, a.offset) < std::tie(b.region, b.offset);
    });
    return entries;
}

} // namespace

Image build_image(const std::vector<CoffObject> &objects, const BuildOptions &options) {
    Layout layout = lay_out_sections(objects);
    SymbolTable table = collect_definitions(objects, layout);
    LoadTimeFixups fixups;
    store_plugins(objects, options, table, layout.data1, fixups.data_relocations);
    fill_header(table, options, layout.data1, fixups.data_relocations);
    apply_relocations(objects, table, layout, fixups);

    Image image;
    image.code2 = build_link_records(fixups, layout.code1);
    image.data2 = encode_data_relocations(fixups.data_relocations);
    image.code1 = std::move(layout.code1);
    image.data1 = std::move(layout.data1);
    image.symbols = symbol_map(table);
    return image;
}
