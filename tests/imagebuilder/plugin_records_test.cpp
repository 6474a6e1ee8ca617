// The stored plug-in libraries and the builder's word that points at them.
#include <gtest/gtest.h>

#include "build_error.h"
#include "test_support.h"

namespace {

BuildOptions with_plugins(std::vector<StoredPlugin> plugins) {
    BuildOptions options;
    options.plugins = std::move(plugins);
    return options;
}

std::string text_at(const Bytes &bytes, uint32_t offset, uint32_t length) {
    return std::string(bytes.begin() + offset, bytes.begin() + offset + length);
}

} // namespace

TEST(StoredPlugins, RecordsFormARelocatedChainReachedThroughTheBuilderWord) {
    Image image = build_fixtures({"plugins"}, with_plugins({{"apctl1.dll", "a", {1, 2, 3}},
                                                            {"fsel1.dll", "b", {9, 8, 7, 6, 5}}}));
    std::map<uint32_t, Region> relocated = decode_data_relocations(image.data2);
    uint32_t word = symbol_offset(image, "tessel_stored_plugins");
    EXPECT_EQ(word_at(image.code1, 1), word);   // the code's fix-up names the word

    uint32_t first = word_at(image.data1, word);
    EXPECT_EQ(relocated.count(word), 1u);
    EXPECT_EQ(first % 4, 0u);
    EXPECT_EQ(word_at(image.data1, first + 4), 4 + 1 + 10 + 3u);
    EXPECT_EQ(word_at(image.data1, first + 8), 0u);
    EXPECT_EQ(image.data1.at(first + 12), 10);
    EXPECT_EQ(text_at(image.data1, first + 13, 10), "apctl1.dll");
    EXPECT_EQ(text_at(image.data1, first + 23, 3), "\1\2\3");

    uint32_t second = word_at(image.data1, first);
    EXPECT_EQ(relocated.count(first), 1u);
    EXPECT_EQ(second, first + 28);   // 26 bytes, padded to a word
    EXPECT_EQ(word_at(image.data1, second), 0u);
    EXPECT_EQ(relocated.count(second), 0u);
    EXPECT_EQ(word_at(image.data1, second + 4), 4 + 1 + 9 + 5u);
    EXPECT_EQ(text_at(image.data1, second + 13, 9), "fsel1.dll");
    EXPECT_EQ(text_at(image.data1, second + 22, 5), "\11\10\7\6\5");
    EXPECT_EQ(image.data1.size(), second + 27u);
    EXPECT_EQ(relocated.size(), 3u);   // the entry word, the builder word, one link
}

TEST(StoredPlugins, WithoutPluginsTheWordIsZeroAndNotRelocated) {
    Image image = build_fixtures({"plugins"});
    uint32_t word = symbol_offset(image, "tessel_stored_plugins");
    EXPECT_EQ(word_at(image.data1, word), 0u);
    EXPECT_EQ(decode_data_relocations(image.data2).count(word), 0u);
}

TEST(StoredPlugins, NamesHaveOneTo127Bytes) {
    EXPECT_NO_THROW(build_fixtures({"plugins"}, with_plugins({{std::string(127, 'x'), "f", {}}})));
    for (const std::string &name : {std::string(), std::string(128, 'x')})
        EXPECT_THROW(build_fixtures({"plugins"}, with_plugins({{name, "f", {0}}})), BuildError)
            << name.size();
}
