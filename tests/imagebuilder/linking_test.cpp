// Several objects linked into one image.
#include <gtest/gtest.h>

#include "link_records.h"
#include "test_support.h"

namespace {

// Target of the first call instruction at or after `from`.
uint32_t first_call_target(const Bytes &code1, uint32_t from) {
    for (uint32_t at = from; at + 5 <= code1.size(); at++)
        if (code1[at] == 0xE8)
            return at + 5 + word_at(code1, at + 1);
    ADD_FAILURE() << "no call after " << from;
    return 0;
}

size_t code_fixup_count(const Image &image) {
    size_t n = 0;
    for (const LinkRecord &r : decode_link_records(image.code2))
        n += r.type == LINK_CODE_FIXUP;
    return n;
}

} // namespace

TEST(Linking, SymbolsResolveAcrossObjects) {
    BuildOptions options;
    options.entry = "callee";
    Image image = build_fixtures({"caller", "callee"}, options);
    uint32_t callee = symbol_offset(image, "callee");
    uint32_t shared = symbol_offset(image, "shared");
    EXPECT_EQ(word_at(image.code1, 1), callee - 5);
    EXPECT_EQ(word_at(image.code1, 6), shared);
    EXPECT_EQ(word_at(image.data1, 0), callee);
    EXPECT_EQ(word_at(image.data1, 8), shared + 8);
    EXPECT_EQ(decode_data_relocations(image.data2)[8], Region::data1);
    EXPECT_EQ(image.data1.at(shared), 5);
}

TEST(Linking, ComdatCopiesAreKeptOnce) {
    Image both = build_fixtures({"comdat_a", "comdat_b"});
    uint32_t twice = symbol_offset(both, "_Z5twicei");
    EXPECT_EQ(first_call_target(both.code1, symbol_offset(both, "ImageMain")), twice);
    EXPECT_EQ(first_call_target(both.code1, symbol_offset(both, "Other")), twice);
    // The routine's references to its static counter come from one copy only.
    Image one = build_fixtures({"comdat_a"});
    EXPECT_GT(code_fixup_count(one), 0u);
    EXPECT_EQ(code_fixup_count(both), code_fixup_count(one));
}
