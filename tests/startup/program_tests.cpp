// Tessel21.exe run as its own program, as a user starts it: with an image
// appended to it, or as the bare runtime reading the development files of
// its working folder. What it says, it says in message boxes.
#include <gtest/gtest.h>
#include "programrunner.h"
#include "testfiles.h"

namespace {

std::string Built(const std::string& name) { return ProgramFolder() + "\\" + name; }

TEST(Program, IsA32BitWindowsGuiProgram) {
    std::string bytes = ReadWholeFile(Built("Tessel21.exe"));
    ASSERT_GT(bytes.size(), 0x200u);
    uint32_t header = *reinterpret_cast<const uint32_t*>(&bytes[0x3C]);
    EXPECT_EQ(bytes.substr(header, 4), std::string("PE\0\0", 4));
    EXPECT_EQ(*reinterpret_cast<const uint16_t*>(&bytes[header + 4]), 0x14C);    // i386
    EXPECT_EQ(*reinterpret_cast<const uint16_t*>(&bytes[header + 24]), 0x10B);   // PE32
    EXPECT_EQ(*reinterpret_cast<const uint16_t*>(&bytes[header + 24 + 68]), 2);  // GUI
}

TEST(Program, ShippedWithAnAppendedImageRunsIt) {
    TemporaryFolder empty;   // no development files anywhere near
    std::string program = empty / "Greeting.exe";
    ASSERT_TRUE(CopyWholeFile(Built("greeting.exe"), program));
    ProgramRun run = RunProgram(program, "", empty.path());
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0u);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0].text, "Hello, image");
    EXPECT_EQ(run.boxes[0].caption, "Message");
    EXPECT_EQ(run.boxes[0].buttons, std::vector<std::string>{"OK"});
}

TEST(Program, BareRuntimeReadsTheDevelopmentFilesOfItsWorkingFolder) {
    ProgramRun run = RunRuntimeOnFixture("greeting");
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0u);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0].text, "Hello, image");
}

TEST(Program, LinkFailuresAreShownAndNothingOfTheImageRuns) {
    struct Case {
        const char* fixture;
        const char* message;
    } cases[] = {
        {"missinglibrary",
         "The application could not be loaded because a necessary shared library "
         "tessel-no-such-library.dll could not be found."},
        {"missingroutine",
         "The application could not be loaded because the routine TesselNoSuchRoutine could not "
         "be found in the shared library kernel32.dll."},
        {"libraryonly",
         "The application could not be loaded because a necessary shared library  could not be "
         "found."},
    };
    for (const Case& c : cases) {
        ProgramRun run = RunRuntimeOnFixture(c.fixture);
        ASSERT_TRUE(run.finished) << c.fixture;
        EXPECT_EQ(run.exitCode, 0u) << c.fixture;
        ASSERT_EQ(run.boxes.size(), 1u) << c.fixture;
        EXPECT_EQ(run.boxes[0].text, c.message);
        EXPECT_EQ(run.boxes[0].caption, "Message");
    }
}

TEST(Program, MissingDevelopmentFilesAreReported) {
    ProgramRun run = RunRuntimeOnFixture("");
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0u);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0].text,
              "The application could not be loaded because its files code1.dat, data1.dat, "
              "code2.dat and data2.dat could not be read.");
}

} // namespace
