// The load sequence in this process on images that the image builder made
// from fixture programs: read from the development files of the working
// folder, linked, relocated and run. What the fixtures keep in their data is
// read back through the builder's symbol map.
#include <gtest/gtest.h>
#include "core/image.h"
#include "imagefixture.h"
#include <cstring>

namespace {

// A fixture of this folder: its image is fixture_<name>, its files in fixtures/<name>.
class StartupFixture : public ImageFixture {
public:
    explicit StartupFixture(const std::string& name) : ImageFixture("fixture_" + name, name) {}

    // The fixtures show no message box; one that appears is a failure.
    bool Load() {
        bool loaded = ImageFixture::Load();
        for (const SeenMessageBox& box : boxes()) ADD_FAILURE() << "message: " << box.text;
        return loaded;
    }
    uint32_t WordAt(const std::string& symbol, uint32_t index = 0) const {
        uint32_t word;
        std::memcpy(&word, (*this)[symbol] + 4 * index, 4);
        return word;
    }
};

TEST(FixtureImage, ImportsAreBoundAndTheEntryRoutineRuns) {
    StartupFixture image("imports");
    ASSERT_TRUE(image.Load());
    // struct Results of the fixture, word by word
    EXPECT_EQ(image.WordAt("results", 6), 1u) << "the entry routine did not run";
    EXPECT_EQ(image.WordAt("results", 0), 5u);    // "ab" + "cde"
    EXPECT_EQ(image.WordAt("results", 1), 10u);   // + "fghij"
    EXPECT_EQ(image.WordAt("results", 2), 5u);    // lstrlenA("first")
    EXPECT_EQ(image.WordAt("results", 3), 6u);    // lstrlenA("second")
    EXPECT_EQ(image.WordAt("results", 4), 0xAu);  // probe.dll!ProbeA
    EXPECT_EQ(image.WordAt("results", 5), 0xBu);  // PROBE.DLL!ProbeB

    // The first word of data1 is the entry routine; the pointer tables point
    // into the loaded code and data.
    EXPECT_EQ(*reinterpret_cast<uint32_t*>(gImage.data1), image.Address("ImageMain"));
    EXPECT_EQ(image.WordAt("codePointers", 0), image.Address("ImageMain"));
    EXPECT_EQ(image.WordAt("codePointers", 1), image.Address("Helper"));
    EXPECT_STREQ(reinterpret_cast<const char*>(image.WordAt("dataPointers", 2)), "third");
}

TEST(FixtureImage, ALibraryNamedInTwoLetterCasesIsLoadedOnce) {
    // Loaded twice, the library would survive one release.
    HMODULE probe = GetModuleHandleA("probe.dll");
    if (!probe) {
        ASSERT_TRUE(StartupFixture("imports").Load());
        probe = GetModuleHandleA("probe.dll");
    }
    ASSERT_NE(probe, nullptr);
    FreeLibrary(probe);
    EXPECT_EQ(GetModuleHandleA("probe.dll"), nullptr);
}

TEST(FixtureImage, RelocationRunsAndSkipsOfAnyLength) {
    StartupFixture image("relocations");
    ASSERT_TRUE(image.Load());
    for (uint32_t i = 0; i < 600; i++)
        ASSERT_EQ(image.WordAt("dataTable", i), image.Address("target")) << "word " << i;
    for (uint32_t i = 0; i < 5000; i++) ASSERT_EQ(image["gap"][i], 0x5A) << "byte " << i;
    EXPECT_EQ(image.WordAt("codeTable", 0), image.Address("ImageMain"));
    EXPECT_EQ(image.WordAt("codeTable", 1), image.Address("Second"));
    EXPECT_EQ(image.WordAt("codeTable", 2), image.Address("ImageMain") + 1);
    EXPECT_EQ(image.WordAt("target"), 7u);
}

} // namespace
