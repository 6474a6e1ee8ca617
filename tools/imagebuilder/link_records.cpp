#include "link_records.h"

#include <algorithm>

namespace {

// Each operand holds the code1 offset of the next site of the same name;
// the last holds 0. Returns the chain head.
uint32_t thread_chain(std::vector<uint32_t> sites, Bytes &code1) {
    std::sort(sites.begin(), sites.end());
    for (size_t i = 0; i < sites.size(); i++)
        put_u32le(&code1[sites[i]], i + 1 < sites.size() ? sites[i + 1] : 0);
    return sites.front();
}

} // namespace

Bytes build_link_records(const LoadTimeFixups &fixups, Bytes &code1) {
    std::vector<std::pair<uint32_t, const std::string *>> imports;   // (head, name)
    for (const auto &[name, sites] : fixups.import_sites)
        imports.emplace_back(thread_chain(sites, code1), &name);
    std::sort(imports.begin(), imports.end());

    Bytes records;
    for (const auto &[head, name] : imports) {
        records.push_back(LINK_IMPORT);
        append_u32le(records, head);
        records.push_back(uint8_t(name->size()));
        records.insert(records.end(), name->begin(), name->end());
    }
    std::vector<uint32_t> words = fixups.code_fixups;
    std::sort(words.begin(), words.end());
    for (uint32_t offset : words) {
        records.push_back(LINK_CODE_FIXUP);
        append_u32le(records, offset);
    }
    return records;
}
