// The image's project items and the settings block, and the encodings and
// the memory stream they are read with.
#include <gtest/gtest.h>
#include "imagefixture.h"
#include "core/compactcoding.h"
#include "core/objects.h"
#include "core/settings.h"
#include "core/string.h"
#include "files/memorystream.h"

namespace {

uint32_t FieldAt(const ObjectInstance* object, uint32_t offset) {
    uint32_t word;
    memcpy(&word, reinterpret_cast<const uint8_t*>(object) + offset, 4);
    return word;
}

std::string Text(const StringObject* s) { return std::string(StringText(s), StringLength(s)); }

class ProjectItems : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(image.Load()); }
    ImageFixture image{"objects_classes", "classes"};
};

TEST_F(ProjectItems, ModuleInstancesAreStoredInTheirSlots) {
    ObjectInstance* module = image.Data<ObjectInstance*>("moduleSlot");
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(module->cls, ClassAtIndex(6));
    EXPECT_EQ(module->refs, 1);
}

TEST_F(ProjectItems, ObjectsAreFoundByProjectNumber) {
    ObjectRef value(RuntimeProjectObject(3));
    ASSERT_NE(value.get(), nullptr);
    EXPECT_EQ(value.get()->refs, 2) << "a new reference";
    EXPECT_EQ(FieldAt(value.get(), 24), 0x1234u);

    ObjectRef picture(RuntimeProjectObject(5));
    ASSERT_NE(picture.get(), nullptr);
    EXPECT_EQ(picture.get()->cls, FindBuiltinClass("Picture"));
    EXPECT_EQ(FieldAt(picture.get(), 24), 7u);
    EXPECT_EQ(FieldAt(picture.get(), 28), image.Address("pictureData"));

    ObjectRef database(RuntimeProjectObject(6));
    ASSERT_NE(database.get(), nullptr);
    EXPECT_EQ(database.get()->cls, FindBuiltinClass("Database"));
    EXPECT_EQ(Text(reinterpret_cast<StringObject*>(FieldAt(database.get(), 28))), "Stock");
    EXPECT_EQ(FieldAt(database.get(), 32), 11u);
    EXPECT_EQ(FieldAt(database.get(), 36), 12u);

    for (int32_t none : {0, 1, 2, 4, 7, -1})   // no project object, or no such number
        EXPECT_EQ(RuntimeProjectObject(none), nullptr) << none;
}

TEST_F(ProjectItems, TheSettingsBlockIsRead) {
    EXPECT_TRUE(RunsInMdiMode());
    EXPECT_STREQ(ApplicationName(), "Tessel 2.1");
    EXPECT_EQ(ControlLayoutFlag(), 1);
    EXPECT_EQ(FontCharacterSet(), SHIFTJIS_CHARSET);
    ASSERT_EQ(FileTypeCount(), 2);
    const FileType* apt = FileTypeAt(0);
    EXPECT_EQ(Text(apt->name), "APTDAT");
    EXPECT_EQ(Text(apt->creator), "????");
    EXPECT_EQ(Text(apt->type), "TEXT");
    EXPECT_EQ(Text(apt->extensions), ".dat");
    EXPECT_EQ(Text(FileTypeAt(1)->creator), "ttxt");
    EXPECT_EQ(FileTypeAt(1)->extensions, nullptr);
    EXPECT_EQ(FileTypeAt(2), nullptr);
    EXPECT_EQ(RuntimeMessageText(0), nullptr);
    EXPECT_EQ(Text(RuntimeMessageText(4)),
              "An exception of class %1 was not handled.\rThe application must shut down.");
    EXPECT_EQ(RuntimeMessageText(5), nullptr);
}

TEST(CompactCoding, IntegersAsEncoded) {
    struct Case {
        std::vector<uint8_t> bytes;
        int32_t value;
    } cases[] = {
        {{0x00}, 0},
        {{0x3F}, 63},
        {{0x45}, -5},
        {{0x81, 0x01}, 65},                        // 1 + (1 << 6)
        {{0xC0, 0x02}, -128},
        {{0xBF, 0xFF, 0xFF, 0xFF, 0x0F}, 0x7FFFFFFF},
        {{0x80, 0x80, 0x80, 0x80, 0x10}, static_cast<int32_t>(0x80000000)},   // magnitude only
        {{0xC0, 0x80, 0x80, 0x80, 0x10}, static_cast<int32_t>(0x80000000)},   // not negated
        {{0x81}, 1},                               // cut off: the missing byte reads as 0
        {{}, 0},
    };
    for (const Case& c : cases) {
        MemoryStream stream(c.bytes.data(), static_cast<uint32_t>(c.bytes.size()));
        EXPECT_EQ(ReadCompactInteger(stream), c.value) << "case " << &c - cases;
        EXPECT_TRUE(stream.AtEOF());
    }
}

TEST(CompactCoding, Strings) {
    struct Case {
        std::string bytes;
        std::string text;
    } cases[] = {
        {"\x03" "abcd", "abc"},
        {std::string("\x00" "ab", 3), ""},
        {"\x41" "ab", ""},                 // a negative length
        {"\x05" "ab", "ab"},               // longer than what is left
    };
    for (const Case& c : cases) {
        MemoryStream stream(c.bytes.data(), static_cast<uint32_t>(c.bytes.size()));
        StringRef text(ReadCompactString(stream));
        EXPECT_EQ(Text(text.get()), c.text) << "case " << &c - cases;
    }
}

TEST(MemoryStream, ReadsWhatIsThereAndWritesNothing) {
    const char bytes[] = "abcdef";
    MemoryStream stream(bytes, 6);
    char buffer[8] = {};
    uint32_t got = 99;
    EXPECT_TRUE(stream.Read(buffer, 4, &got));
    EXPECT_EQ(got, 4u);
    EXPECT_EQ(stream.Position(), 4u);
    EXPECT_FALSE(stream.AtEOF());
    EXPECT_TRUE(stream.Read(buffer, 4, &got));
    EXPECT_EQ(got, 2u);
    EXPECT_EQ(std::string(buffer, 2), "ef");
    EXPECT_TRUE(stream.AtEOF());
    EXPECT_TRUE(stream.SetPosition(1));
    EXPECT_EQ(stream.Length(), 6u);
    EXPECT_EQ(stream.Position(), 1u);
    EXPECT_FALSE(stream.Write("x", 1));
    EXPECT_FALSE(stream.SetLength(2));
    stream.Close();
    EXPECT_TRUE(stream.SetPosition(10));
    EXPECT_TRUE(stream.Read(buffer, 1, &got));
    EXPECT_EQ(got, 0u);
}

} // namespace
