// The loader on images composed byte by byte as the image format lays them
// out, including record and relocation shapes that our own image builder
// never writes: whatever tool wrote an image, it must load.
#include <gtest/gtest.h>
#include "core/image.h"
#include "core/entrytable.h"
#include "core/string.h"
#include "imagefixture.h"
#include "msgboxwatcher.h"
#include "testfiles.h"
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string Word(uint32_t value) { return std::string(reinterpret_cast<char*>(&value), 4); }
std::string BigEndianWord(uint32_t value) {
    return {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
}
std::string RelocationWords(std::initializer_list<uint16_t> words) {
    std::string bytes;
    for (uint16_t word : words) bytes += {char(word & 0xFF), char(word >> 8)};
    return bytes;
}
std::string Repeated(const std::string& bytes, size_t times) {
    std::string all;
    all.reserve(bytes.size() * times);
    for (size_t i = 0; i < times; i++) all += bytes;
    return all;
}
std::string ImportRecord(uint32_t head, const std::string& name) {
    return "\x01" + Word(head) + char(name.size()) + name;
}
std::string FixupRecord(uint32_t offset) { return "\x02" + Word(offset); }

// A code and a data block standing where the load sequence puts them.
class ComposedImage : public ::testing::Test {
protected:
    void SetUp() override {
        for (uint32_t i = 0; i < code.size(); i++) code[i] = uint8_t(0xC0 + i);
        for (uint32_t i = 0; i < data.size() / 4; i++) std::memcpy(&data[4 * i], &i, 4);
        gImage = {code.data(), uint32_t(code.size()), data.data(), uint32_t(data.size())};
    }

    // Makes the operands at the given offsets one fix-up chain.
    uint32_t Chain(std::initializer_list<uint32_t> sites) {
        std::vector<uint32_t> list(sites);
        for (size_t i = 0; i < list.size(); i++) {
            uint32_t next = i + 1 < list.size() ? list[i + 1] : 0;
            std::memcpy(&code[list[i]], &next, 4);
        }
        return list.empty() ? 0 : list[0];
    }
    uint32_t CodeWord(uint32_t offset) const {
        uint32_t word;
        std::memcpy(&word, &code[offset], 4);
        return word;
    }
    uint32_t DataWord(uint32_t offset) const {
        uint32_t word;
        std::memcpy(&word, &data[offset], 4);
        return word;
    }
    // Where the call whose operand is at this offset now goes.
    uint32_t CallTarget(uint32_t operandOffset) const {
        return reinterpret_cast<uint32_t>(&code[operandOffset]) + 4 + CodeWord(operandOffset);
    }
    bool Link(const std::string& code2) {
        StringObject* message = nullptr;
        bool linked = LinkImage(reinterpret_cast<const uint8_t*>(code2.data()),
                                uint32_t(code2.size()), &message);
        failure = StringText(message);
        RuntimeUnlockString(message);
        return linked;
    }

    std::vector<uint8_t> code = std::vector<uint8_t>(64);
    std::vector<uint8_t> data = std::vector<uint8_t>(64);
    std::string failure;
};

TEST_F(ComposedImage, ImportBindsEveryCallSiteOfItsChainWhateverTheLetterCase) {
    uint32_t head = Chain({1, 12, 30});
    ASSERT_TRUE(Link(ImportRecord(head, "runtimeADDstring")));
    uint32_t routine = reinterpret_cast<uint32_t>(LinkLookup("RuntimeAddString"));
    ASSERT_NE(routine, 0u);
    EXPECT_EQ(CallTarget(1), routine);
    EXPECT_EQ(CallTarget(12), routine);
    EXPECT_EQ(CallTarget(30), routine);
}

TEST_F(ComposedImage, ImportWithChainHeadZeroChangesNothing) {
    std::vector<uint8_t> before = code;
    ASSERT_TRUE(Link(ImportRecord(0, "RuntimeAddString")));
    EXPECT_EQ(code, before);
}

TEST_F(ComposedImage, UnknownRecordBytesArePassedOverOneByOne) {
    // 0x07, 0x00 and 0x09 are no record types; had any of them swallowed the
    // bytes after it, the fix-up would not land.
    uint32_t before = CodeWord(8);
    ASSERT_TRUE(Link(std::string("\x07\x00\x09", 3) + FixupRecord(8)));
    EXPECT_EQ(CodeWord(8), before + reinterpret_cast<uint32_t>(data.data()));
}

TEST_F(ComposedImage, LoopingChainsEndWithEverySiteBound) {
    // 1 -> 12 -> 30 -> back to 12; 40 -> itself.
    uint32_t head = Chain({1, 12, 30});
    uint32_t back = 12, self = 40;
    std::memcpy(&code[30], &back, 4);
    std::memcpy(&code[40], &self, 4);
    ASSERT_TRUE(Link(ImportRecord(head, "RuntimeAddString") + ImportRecord(40, "RuntimeMsgBox")));
    uint32_t join = reinterpret_cast<uint32_t>(LinkLookup("RuntimeAddString"));
    for (uint32_t site : {1u, 12u, 30u}) EXPECT_EQ(CallTarget(site), join) << site;
    EXPECT_EQ(CallTarget(40), reinterpret_cast<uint32_t>(LinkLookup("RuntimeMsgBox")));
}

TEST_F(ComposedImage, ChainsLeavingTheCodeAndRecordsCutOffAreDamage) {
    const std::string damaged = "The application could not be loaded because its image is damaged.";
    uint32_t linkOut = Chain({4, 20}), outside = 70, taken = Chain({8});
    std::memcpy(&code[20], &outside, 4);
    struct Case {
        const char* name;
        std::string code2;
    } cases[] = {
        {"head at the end of code", ImportRecord(64, "RuntimeAddString")},
        {"head in the last three bytes", ImportRecord(61, "RuntimeAddString")},
        {"deferred head outside", ImportRecord(0xFFFFFFF0, "!G!Value")},
        {"library head outside", ImportRecord(100, "!Xkernel32.dll!lstrlenA")},
        {"link outside", ImportRecord(linkOut, "RuntimeAddString")},
        {"head taken by an earlier chain",
         ImportRecord(taken, "RuntimeAddString") + ImportRecord(taken, "RuntimeMsgBox")},
        {"fix-up cut off", FixupRecord(8).substr(0, 4)},
        {"import cut off in its name", ImportRecord(0, "RuntimeAddString").substr(0, 9)},
        {"import cut off before its length", ImportRecord(0, "RuntimeAddString").substr(0, 5)},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(Link(c.code2)) << c.name;
        EXPECT_EQ(failure, damaged) << c.name;
    }
}

TEST_F(ComposedImage, CodeFixupsAddTheDataAddressOncePerRecord) {
    uint32_t before = CodeWord(20);
    ASSERT_TRUE(Link(FixupRecord(20) + FixupRecord(20)));
    EXPECT_EQ(CodeWord(20), before + 2 * reinterpret_cast<uint32_t>(data.data()));
}

TEST_F(ComposedImage, AFailedLibraryImportStopsLinkingButKeepsEarlierRecords) {
    uint32_t before = CodeWord(40);
    uint32_t head = Chain({4});
    EXPECT_FALSE(Link(FixupRecord(40) + ImportRecord(head, "!Xtessel-missing.dll!Routine") +
                      FixupRecord(40)));
    EXPECT_EQ(failure,
              "The application could not be loaded because a necessary shared library "
              "tessel-missing.dll could not be found.");
    EXPECT_EQ(CodeWord(40), before + reinterpret_cast<uint32_t>(data.data()));
}

TEST_F(ComposedImage, LibraryRoutinesAreBoundThroughTheirChains) {
    uint32_t head = Chain({2, 50});
    ASSERT_TRUE(Link(ImportRecord(head, "!Xkernel32.dll!lstrlenA")));
    uint32_t routine =
        reinterpret_cast<uint32_t>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "lstrlenA"));
    EXPECT_EQ(CallTarget(2), routine);
    EXPECT_EQ(CallTarget(50), routine);
}

TEST_F(ComposedImage, AMissingRoutineNamesRoutineAndLibrary) {
    EXPECT_FALSE(Link(ImportRecord(Chain({2}), "!XKernel32.DLL!TesselNoSuchRoutine")));
    EXPECT_EQ(failure,
              "The application could not be loaded because the routine TesselNoSuchRoutine could "
              "not be found in the shared library Kernel32.DLL.");
}

TEST_F(ComposedImage, ALibraryNameWithoutRoutineAsksForALibraryWithAnEmptyName) {
    EXPECT_FALSE(Link(ImportRecord(Chain({2}), "!Xkernel32.dll")));
    EXPECT_EQ(failure,
              "The application could not be loaded because a necessary shared library  could not "
              "be found.");
}

TEST_F(ComposedImage, ACallOfANameTheRuntimeLacksReportsTheName) {
    ASSERT_TRUE(Link(ImportRecord(Chain({6}), "TesselNoSuchEntryPoint")));
    MessageBoxWatcher watcher;
    auto call = reinterpret_cast<int (*)()>(CallTarget(6));
    EXPECT_EQ(call(), 0);
    ASSERT_TRUE(watcher.WaitForBoxes(1));
    EXPECT_NE(watcher.Seen()[0].text.find(" TesselNoSuchEntryPoint : 0"), std::string::npos);
}

TEST_F(ComposedImage, DeferredNamesResolveInReverseOrderOfTheirRecords) {
    // No plug-in has registered anything: the class of the M name is unknown
    // (report at line 456), the kind Q is no kind (line 507), the G name
    // without a class finds nothing. Every site is bound to address 0.
    std::string code2 = ImportRecord(Chain({1}), "!MBevelButton!Caption(s as String)") +
                        ImportRecord(Chain({10}), "!G!Value") +
                        ImportRecord(Chain({20}), "!Q!Odd");
    ASSERT_TRUE(Link(code2));
    MessageBoxWatcher watcher;
    ResolveDeferredLinks();
    std::vector<SeenMessageBox> boxes = watcher.Seen();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, FailedAssertionText(4, "RuntimeMain", 507));
    EXPECT_EQ(boxes[1].text, FailedAssertionText(4, "RuntimeMain", 456));
    EXPECT_EQ(boxes[0].caption, "");
    EXPECT_EQ(boxes[0].defaultButton, "Cancel");
    EXPECT_TRUE(boxes[0].hasIcon);
    for (uint32_t site : {1u, 10u, 20u}) EXPECT_EQ(CallTarget(site), 0u) << site;

    // The list is empty afterwards: resolving again reports nothing.
    ResolveDeferredLinks();
    EXPECT_EQ(watcher.Seen().size(), 2u);
}

struct RelocationCase {
    const char* name;
    std::string words;
    // (offset, 'c' for the code address or 'd' for the data address) added
    std::vector<std::pair<uint32_t, char>> added;
};

class Relocation : public ComposedImage, public ::testing::WithParamInterface<RelocationCase> {};

TEST_P(Relocation, AddsLoadAddressesWhereTheWordsSay) {
    std::vector<uint8_t> expected = data;
    for (auto [offset, kind] : GetParam().added) {
        uint32_t word;
        std::memcpy(&word, &expected[offset], 4);
        word += reinterpret_cast<uint32_t>(kind == 'c' ? code.data() : data.data());
        std::memcpy(&expected[offset], &word, 4);
    }
    const std::string& words = GetParam().words;
    RelocateImageData(reinterpret_cast<const uint8_t*>(words.data()), uint32_t(words.size()));
    EXPECT_EQ(data, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Words, Relocation,
    ::testing::Values(
        RelocationCase{"CodeRun", RelocationWords({0x4002}), {{0, 'c'}, {4, 'c'}, {8, 'c'}}},
        RelocationCase{"CodeRun4600", RelocationWords({0x4600, 0x4601}), {{0, 'c'}, {4, 'c'}, {8, 'c'}}},
        RelocationCase{"DataRun", RelocationWords({0x4201}), {{0, 'd'}, {4, 'd'}}},
        RelocationCase{"SkipThenRuns", RelocationWords({0x8007, 0x4200, 0x8003, 0x4000}),
                       {{8, 'd'}, {16, 'c'}}},
        RelocationCase{"UnalignedAfterOddSkip", RelocationWords({0x8000, 0x4000}), {{1, 'c'}}},
        RelocationCase{"OtherWordsLeaveTheCursor",
                       RelocationWords({0x4400, 0x0000, 0xF000, 0x4800, 0x4200}), {{0, 'd'}}},
        RelocationCase{"OddByteCountIgnoresTheLastByte", RelocationWords({0x4200}) + "\x40",
                       {{0, 'd'}}},
        RelocationCase{"RunStopsAtTheEndOfData", RelocationWords({0x803B, 0x43FF}), {{60, 'd'}}},
        // Skips of 4 GiB - 4 bytes in all after the first word: a 32-bit
        // cursor would wrap back to 0 and relocate word 0 a second time.
        RelocationCase{"SkipsAddingUpPast4GiBTouchNothingTwice",
                       RelocationWords({0x4200}) + Repeated(RelocationWords({0x8FFF}), 1048575) +
                           RelocationWords({0x8FFB, 0x4200, 0x4000}),
                       {{0, 'd'}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProjectResources, IndexInDevelopmentFileFindsEachResource) {
    TemporaryFolder folder;
    // Two resources of 3 and 5 bytes behind an index of two entries.
    WriteWholeFile(folder / "data3.dat",
                   BigEndianWord(2) + BigEndianWord(0) + BigEndianWord(3) + "abc" + "defgh");
    char previous[MAX_PATH];
    GetCurrentDirectoryA(sizeof previous, previous);
    SetCurrentDirectoryA(folder.path().c_str());
    SetProjectResourceIndex(0);

    HANDLE file = nullptr;
    uint32_t position = 0;
    EXPECT_FALSE(FindProjectResource(0, &file, &position));
    EXPECT_FALSE(FindProjectResource(3, &file, &position));
    ASSERT_TRUE(FindProjectResource(2, &file, &position));
    EXPECT_EQ(position, 4u + 8u + 3u);
    char bytes[5] = {};
    DWORD got = 0;
    SetFilePointer(file, LONG(position), nullptr, FILE_BEGIN);
    ReadFile(file, bytes, 5, &got, nullptr);
    EXPECT_EQ(std::string(bytes, got), "defgh");
    ASSERT_TRUE(FindProjectResource(1, &file, &position));
    EXPECT_EQ(position, 12u);

    SetCurrentDirectoryA(previous);
    CloseHandle(file);   // kept open by the runtime; let the folder go
}

} // namespace
