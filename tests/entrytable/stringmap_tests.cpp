// The stringmap: case-insensitive keys, replacement, insertion order, and
// keys that only the hash tells apart.
#include "core/stringmap.h"
#include "core/casetable.h"
#include "core/string.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// A map that is deleted with the test, and keys made from C++ texts.
class StringMapTest : public ::testing::Test {
protected:
    ~StringMapTest() override { DeleteStringMap(map); }

    void Insert(const std::string& key, uint32_t value) {
        StringRef s(NewString(key.data(), static_cast<uint32_t>(key.size())));
        StringMapInsert(map, s.get(), value);
    }
    // The value of key, or -1 when it is not there.
    int64_t Find(const std::string& key) {
        StringRef s(NewString(key.data(), static_cast<uint32_t>(key.size())));
        uint32_t value;
        return StringMapFind(map, s.get(), &value) ? int64_t{value} : -1;
    }
    std::vector<std::pair<std::string, uint32_t>> InOrder() {
        std::vector<std::pair<std::string, uint32_t>> nodes;
        for (const StringMapNode* n = StringMapFirst(map); n; n = StringMapNext(n))
            nodes.emplace_back(std::string(StringText(n->key), StringLength(n->key)), n->value);
        return nodes;
    }
    static uint32_t Hash(const std::string& key) {
        StringRef s(NewString(key.data(), static_cast<uint32_t>(key.size())));
        return StringMapHash(s.get());
    }

    StringMap* map = NewStringMap();
};

TEST_F(StringMapTest, FindsKeysIgnoringAsciiCase) {
    Insert("PushButton1", 1);
    Insert("EditField1", 2);
    EXPECT_EQ(1, Find("PushButton1"));
    EXPECT_EQ(1, Find("PUSHBUTTON1"));
    EXPECT_EQ(2, Find("editfield1"));
    EXPECT_EQ(-1, Find("PushButton"));
    EXPECT_EQ(-1, Find("PushButton12"));
    EXPECT_EQ(-1, Find(""));
}

TEST_F(StringMapTest, InsertingAKeyAgainReplacesItsValueInPlace) {
    Insert("alpha", 1);
    Insert("beta", 2);
    Insert("ALPHA", 3);
    EXPECT_EQ(2, StringMapCount(map));
    EXPECT_EQ(3, Find("Alpha"));
    using Nodes = std::vector<std::pair<std::string, uint32_t>>;
    EXPECT_EQ((Nodes{{"alpha", 3}, {"beta", 2}}), InOrder());   // the first spelling stays
}

// Enough keys that many share a bucket; iteration still follows insertion.
TEST_F(StringMapTest, KeepsInsertionOrderAcrossBuckets) {
    std::vector<std::pair<std::string, uint32_t>> expected;
    for (uint32_t i = 0; i < 700; i++) {
        std::string key = "Control$" + std::to_string(i * 7919 % 1000);
        Insert(key, i);
        expected.emplace_back(key, i);
    }
    EXPECT_EQ(700, StringMapCount(map));
    EXPECT_EQ(expected, InOrder());
    for (const auto& [key, value] : expected) EXPECT_EQ(value, Find(key)) << key;
}

// 0x87 and 0xE7 are one letter to the case table, but the hash folds only
// a-z, so keys that differ in them are two keys.
TEST_F(StringMapTest, KeysDifferingInAccentedCaseAreDifferentKeys) {
    const std::string lower = "\x87t\x87", upper = "\xE7T\xE7";
    ASSERT_TRUE(CaseTableEqual(lower.data(), 3, upper.data(), 3));
    EXPECT_NE(Hash(lower), Hash(upper));
    Insert(lower, 1);
    Insert(upper, 2);
    EXPECT_EQ(2, StringMapCount(map));
    EXPECT_EQ(1, Find(lower));
    EXPECT_EQ(2, Find(upper));
    EXPECT_EQ(1, Find("\x87T\x87"));
}

// "AB" and "@F" have the same full hash ((0x41 << 2) ^ 0x42 == (0x40 << 2) ^
// 0x46); only the text comparison keeps them apart.
TEST_F(StringMapTest, KeysWithEqualHashesAreComparedByText) {
    ASSERT_EQ(Hash("AB"), Hash("@F"));
    Insert("AB", 1);
    Insert("@F", 2);
    EXPECT_EQ(1, Find("ab"));
    EXPECT_EQ(2, Find("@f"));
}

TEST_F(StringMapTest, HashFoldsAsciiLettersOnly) {
    EXPECT_EQ(0u, Hash(""));
    EXPECT_EQ((0x41u << 2) ^ 0x42u, Hash("ab"));
    EXPECT_EQ(Hash("aB"), Hash("Ab"));
    EXPECT_NE(Hash("\xE9"), Hash("\xC9"));
}

TEST_F(StringMapTest, LocksItsKeysUntilDeleted) {
    StringRef key(NewStringFromText("Timer1"));
    StringMap* other = NewStringMap();
    StringMapInsert(other, key.get(), 1);
    StringMapInsert(other, key.get(), 2);     // a replacement takes no second reference
    EXPECT_EQ(2, key.get()->refs);
    DeleteStringMap(other);
    EXPECT_EQ(1, key.get()->refs);
}

} // namespace
