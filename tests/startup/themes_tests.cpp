// The Windows XP test of the process entry, on a Wine prefix that reports a
// recent Windows and, through Wine's per-program settings, on one program
// that is told it runs on Windows XP.
#include <gtest/gtest.h>
#include "programrunner.h"
#include "testfiles.h"

namespace {

void ReportVersionToProgram(const char* program, const char* version) {
    std::string key = std::string("Software\\Wine\\AppDefaults\\") + program;
    HKEY settings;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                              &settings, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(settings, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                   DWORD(strlen(version) + 1));
    RegCloseKey(settings);
}

TEST(Themes, OnlyWindowsXPLoadsTheThemeRoutines) {
    TemporaryFolder folder;
    std::string recent = folder / "versionprobe.exe", xp = folder / "versionprobe-xp.exe";
    ASSERT_TRUE(CopyWholeFile(ProgramFolder() + "\\versionprobe.exe", recent));
    ASSERT_TRUE(CopyWholeFile(ProgramFolder() + "\\versionprobe.exe", xp));
    ReportVersionToProgram("versionprobe-xp.exe", "winxp");

    ProgramRun onRecent = RunProgram(recent, "", folder.path());
    ASSERT_TRUE(onRecent.finished);
    EXPECT_EQ(onRecent.exitCode, 0u);

    ProgramRun onXP = RunProgram(xp, "", folder.path());
    ASSERT_TRUE(onXP.finished);
    EXPECT_EQ(onXP.exitCode, 1u | 2u | 4u | 8u);
}

} // namespace
