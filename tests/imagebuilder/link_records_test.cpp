// code2 and the code1 words it refers to: import chains and code fix-ups.
#include <gtest/gtest.h>

#include "link_records.h"
#include "test_support.h"

using Sites = std::vector<uint32_t>;

TEST(ImportChains, OneRecordPerNameThreadedThroughItsCallSites) {
    Image image = build_fixtures({"imports"});
    std::vector<LinkRecord> records = decode_link_records(image.code2);
    ASSERT_EQ(records.size(), 3u);
    const struct { uint32_t head; const char *name; Sites sites; } expected[] = {
        {1, "RuntimeInit", {1, 11, 26}},
        {6, "!Xkernel32.dll!GetTickCount", {6, 21}},
        {16, "!MBevelButton!Caption(s as String)", {16}},
    };
    for (size_t i = 0; i < 3; i++) {
        EXPECT_EQ(records[i].type, LINK_IMPORT);
        EXPECT_EQ(records[i].offset, expected[i].head);
        EXPECT_EQ(records[i].name, expected[i].name);
        EXPECT_EQ(chain_sites(image.code1, expected[i].head), expected[i].sites);
    }
}

TEST(ImportChains, CompiledDeclarationsYieldTheThreeNameForms) {
    Image image = build_fixtures({"import_names"});
    std::map<std::string, size_t> calls;
    for (const LinkRecord &r : decode_link_records(image.code2)) {
        if (r.type != LINK_IMPORT)
            continue;   // the string literals' fix-ups
        for (uint32_t site : chain_sites(image.code1, r.offset)) {
            EXPECT_EQ(image.code1.at(site - 1), 0xE8) << r.name << " site " << site << " is no call";
            calls[r.name]++;
        }
    }
    std::map<std::string, size_t> expected = {
        {"RuntimeInit", 2}, {"!Xkernel32.dll!GetTickCount", 1}, {"!MBevelButton!Caption(s as String)", 2}};
    EXPECT_EQ(calls, expected);
}

TEST(CodeReferences, DataAddressBecomesFixupAndCodeCallIsResolved) {
    Image image = build_fixtures({"relocations"});
    std::vector<LinkRecord> records = decode_link_records(image.code2);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].type, LINK_CODE_FIXUP);
    EXPECT_EQ(records[0].offset, 1u);
    EXPECT_EQ(word_at(image.code1, 1), symbol_offset(image, "counter") + 4);

    // The callee sits one byte into a section of its own, so the assembler
    // leaves that byte as the addend of a reference to the section.
    uint32_t helper = symbol_offset(image, "helper");
    EXPECT_EQ(image.code1.at(helper), 0xC3);
    EXPECT_EQ(word_at(image.code1, 6), helper - (6 + 4));
}
