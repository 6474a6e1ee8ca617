// End to end: the real Tessel21.exe driven as a person would, one whole
// session per case of tests/app/cases, the subsets it writes compared byte
// for byte with the expected files, the message boxes with the expected
// texts, and the start window, the save dialogs and the farewell window
// checked on the way.
#include <gtest/gtest.h>
#include "session/session.h"
#include "testfiles.h"
#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

const std::string kCases = TESSEL_APP_CASES;        // the cases' folder in the source tree
const std::string kSampleData = TESSEL_SAMPLE_DATA; // data/ of the source tree
const std::string kProgram = TESSEL_APP_PROGRAM;    // the application's Tessel21.exe

std::string Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// name=value lines
std::string Value(const std::string& corners, const std::string& name) {
    for (const std::string& line : Lines(corners))
        if (line.compare(0, name.size() + 1, name + "=") == 0) return line.substr(name.size() + 1);
    return "";
}

struct Case {
    std::string folder;
    std::vector<std::string> messages;
    SessionPlan plan;
};

Case Load(const std::string& name, const std::string& outputFolder) {
    Case c;
    c.folder = kCases + "/" + name;
    std::string corners = Read(c.folder + "/corners");
    c.messages = Lines(Read(c.folder + "/messages"));
    c.plan.program = kProgram;
    c.plan.dataFolder = Exists(c.folder + "/data") ? c.folder + "/data" : kSampleData;
    c.plan.maxlat = Value(corners, "maxlat");
    c.plan.maxlon = Value(corners, "maxlon");
    c.plan.minlat = Value(corners, "minlat");
    c.plan.minlon = Value(corners, "minlon");
    c.plan.xpready = Value(corners, "xpready") == "1";
    for (const char* file : {"new_apt.dat", "new_nav.dat", "new_fix.dat"})
        c.plan.saves.push_back(outputFolder + "\\" + file);
    return c;
}

void ExpectSubsets(const Case& c, const std::string& outputFolder) {
    for (const char* file : {"new_apt.dat", "new_nav.dat", "new_fix.dat"})
        EXPECT_EQ(Read(outputFolder + "\\" + file), Read(c.folder + "/expected/" + file)) << file;
}

class Session : public ::testing::TestWithParam<const char*> {};

TEST_P(Session, WritesTheExpectedSubsets) {
    TemporaryFolder out;
    Case c = Load(GetParam(), out.path());
    SessionResult result = RunSession(c.plan);
    ASSERT_TRUE(result.started);
    ASSERT_TRUE(result.reachedMainWindow);
    EXPECT_EQ(result.messages, c.messages);
    ASSERT_EQ(result.saves.size(), 3u);
    EXPECT_EQ(result.saves[0].defaultName, "new_apt.dat");
    EXPECT_EQ(result.saves[1].defaultName, "new_nav.dat");
    EXPECT_EQ(result.saves[2].defaultName, "new_fix.dat");
    EXPECT_TRUE(result.ended) << "the farewell window ends the program";
    EXPECT_GE(result.farewellMs, 2000u) << "by its timer of 2500 ms";
    ExpectSubsets(c, out.path());
}

INSTANTIATE_TEST_SUITE_P(Cases, Session,
                         ::testing::Values("sample", "edges", "nullisland", "versions_a", "versions_b",
                                           "versions_c", "nofix"));

TEST(SessionStart, TheStartWindowShowsWhatWasRead) {
    TemporaryFolder out;
    Case c = Load("edges", out.path());
    c.plan.clickFarewell = true;
    SessionResult result = RunSession(c.plan);
    ASSERT_TRUE(result.reachedMainWindow);
    // 31 lines after the version line in apt.dat, 11 in nav.dat, 7 in fix.dat
    EXPECT_EQ(result.startTexts["nAP"], "7");
    EXPECT_EQ(result.startTexts["nVOR"], "2");
    EXPECT_EQ(result.startTexts["nNDB"], "2");
    EXPECT_EQ(result.startTexts["nILS"], "1");
    EXPECT_EQ(result.startTexts["fileVers"], "File Version: 2.45");
    EXPECT_EQ(result.startTexts["fixPointText"], "Fixpoints: 5");
    EXPECT_EQ(result.startTexts["nLines"], "Processed: 49");
    EXPECT_EQ(result.startTexts["taskText"], "All Done.");
    EXPECT_EQ(result.startTexts["StaticText1"], "Initialisation completed successfully!");
    EXPECT_TRUE(result.ended);
    EXPECT_LT(result.farewellMs, 2000u) << "a click ends the program at once";
}

TEST(SessionStart, WithoutNavDatOrAptDatTheProgramEndsAfterItsMessages) {
    for (const char* name : {"nonav", "noapt"}) {
        TemporaryFolder out;
        Case c = Load(name, out.path());
        SessionResult result = RunSession(c.plan);
        EXPECT_FALSE(result.reachedMainWindow) << name;
        EXPECT_TRUE(result.ended) << name;
        EXPECT_EQ(result.messages, c.messages) << name;
        EXPECT_TRUE(result.saves.empty()) << name;
    }
}

TEST(SessionSave, AnExistingFileIsRefusedAndLeftAsItWas) {
    TemporaryFolder out;
    Case c = Load("edges", out.path());
    WriteWholeFile(out / "new_nav.dat", "mine\r\n");
    SessionResult result = RunSession(c.plan);
    ASSERT_TRUE(result.reachedMainWindow);
    EXPECT_NE(std::find(result.messages.begin(), result.messages.end(), "Could not create the output file. Sorry."),
              result.messages.end());
    EXPECT_EQ(Read(out / "new_nav.dat"), "mine\r\n");
    EXPECT_EQ(Read(out / "new_apt.dat"), Read(c.folder + "/expected/new_apt.dat"));
    EXPECT_EQ(Read(out / "new_fix.dat"), Read(c.folder + "/expected/new_fix.dat"));
}

TEST(SessionSave, AFileThatCannotBeCreatedIsRefusedAndTheOtherWritersRun) {
    TemporaryFolder out;
    Case c = Load("edges", out.path());
    WriteWholeFile(out / "blocker", "a file where a folder should be\r\n");
    c.plan.saves[0] = out / "blocker\\new_apt.dat";
    c.plan.saves[1] = "";   // a cancelled dialog
    SessionResult result = RunSession(c.plan);
    ASSERT_TRUE(result.reachedMainWindow);
    EXPECT_EQ(std::count(result.messages.begin(), result.messages.end(), "Could not create the output file. Sorry."), 2);
    EXPECT_TRUE(result.ended) << "no exception ended the program";
    EXPECT_EQ(Read(out / "blocker"), "a file where a folder should be\r\n");
    EXPECT_EQ(Read(out / "new_fix.dat"), Read(c.folder + "/expected/new_fix.dat"));
}

// Under a locale with a decimal comma the subsets are the same bytes (run
// with the German locale; see CMakeLists.txt).
TEST(CommaLocaleSession, WritesTheSameSubsets) {
    TemporaryFolder out;
    Case c = Load("edges", out.path());
    SessionResult result = RunSession(c.plan);
    ASSERT_TRUE(result.reachedMainWindow);
    ExpectSubsets(c, out.path());
}

} // namespace
