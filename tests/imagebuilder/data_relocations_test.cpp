// data2 and the data1 words it relocates, including the two header words.
#include <gtest/gtest.h>

#include "build_error.h"
#include "data_relocations.h"
#include "test_support.h"

namespace {

Bytes words(std::initializer_list<uint16_t> list) {
    Bytes out;
    for (uint16_t w : list)
        append_u16le(out, w);
    return out;
}

std::vector<DataRelocation> run_of(uint32_t start, uint32_t count, Region against) {
    std::vector<DataRelocation> run;
    for (uint32_t i = 0; i < count; i++)
        run.push_back({start + 4 * i, against});
    return run;
}

} // namespace

TEST(DataRelocations, CompiledDataGivesRunsOfBothKindsAndSkips) {
    Image image = build_fixtures({"relocations"});
    uint32_t helper = symbol_offset(image, "helper");
    ASSERT_EQ(symbol_offset(image, "ClassList"), 8u);
    ASSERT_EQ(symbol_offset(image, "counter"), 24u);
    // header | helper, ImageMain | ClassList+4 | 0 7 8 | 5000 zero bytes |
    // 600 x counter at 5032 | helper at 7432
    EXPECT_EQ(image.data2, words({0x4000, 0x4200, 0x4001, 0x4200, 0x8FFF, 0x8393,
                                  0x43FF, 0x4257, 0x4000}));
    EXPECT_EQ(word_at(image.data1, 0), symbol_offset(image, "ImageMain"));
    EXPECT_EQ(word_at(image.data1, 4), 8u);
    EXPECT_EQ(word_at(image.data1, 8), helper);
    EXPECT_EQ(word_at(image.data1, 16), 12u);
    EXPECT_EQ(word_at(image.data1, 5032), 24u);
    EXPECT_EQ(word_at(image.data1, 7428), 24u);
    EXPECT_EQ(word_at(image.data1, 7432), helper);
    EXPECT_EQ(image.data1.size(), 7436u);
}

TEST(DataRelocations, SkipsAndRunsSplitExactlyAtTheirLimits) {
    const struct { std::vector<DataRelocation> relocations; Bytes expected; } cases[] = {
        {{}, {}},
        {run_of(4096, 1, Region::code1), words({0x8FFF, 0x4000})},
        {run_of(4097, 1, Region::code1), words({0x8FFF, 0x8000, 0x4000})},
        {run_of(0, 512, Region::data1), words({0x43FF})},
        {run_of(0, 513, Region::data1), words({0x43FF, 0x4200})},
        {{{2, Region::data1}, {6, Region::code1}}, words({0x8001, 0x4200, 0x4000})},
    };
    for (const auto &c : cases)
        EXPECT_EQ(encode_data_relocations(c.relocations), c.expected);
}

TEST(DataRelocations, OverlappingWordsAreRejected) {
    EXPECT_THROW(encode_data_relocations({{8, Region::code1}, {10, Region::data1}}), BuildError);
}

TEST(ImageHeader, WithoutClassListWordOneIsZeroAndNotRelocated) {
    Image image = build_fixtures({"imports"});
    EXPECT_EQ(word_at(image.data1, 4), 0u);
    std::map<uint32_t, Region> expected = {{0, Region::code1}};
    EXPECT_EQ(decode_data_relocations(image.data2), expected);
}
