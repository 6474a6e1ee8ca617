// Existence, the folder test and the application folder, asked of Wine's
// file system in a folder of the test's own.
#include <gtest/gtest.h>
#include "core/string.h"
#include "files/fileentry.h"
#include "testfiles.h"

namespace {

TEST(FileEntry, ExistenceAndFolderTestOfFilesFoldersAndMissingEntries) {
    TemporaryFolder folder;
    WriteWholeFile(folder / "file.dat", "x");
    CreateDirectoryA((folder / "sub").c_str(), nullptr);
    struct {
        std::string path;
        bool exists, isFolder;
    } cases[] = {
        {folder / "file.dat", true, false},
        {folder / "sub", true, true},
        {folder / "missing.dat", false, false},
        {folder / "missing\\file.dat", false, false},
        {folder.path() + "/file.dat", true, false},   // the file system takes "/" too
    };
    for (const auto& c : cases) {
        PathSpan path = SpanOf(c.path.c_str());
        EXPECT_EQ(EntryExists(path), c.exists) << c.path;
        EXPECT_EQ(IsFolder(path), c.isFolder) << c.path;
    }
}

TEST(FileEntry, BareDrivesAreFoldersAndExistWhenTheSystemListsThem) {
    // Wine maps Z: to the root of the Unix file system; Q: is no drive here.
    EXPECT_TRUE(IsFolder(SpanOf("Z:")));
    EXPECT_TRUE(EntryExists(SpanOf("Z:")));
    EXPECT_TRUE(EntryExists(SpanOf("z:")));
    EXPECT_TRUE(IsFolder(SpanOf("Q:")));
    EXPECT_FALSE(EntryExists(SpanOf("Q:")));
}

TEST(FileEntry, ApplicationFolderIsTheProgramsFolder) {
    StringRef folder(NewApplicationFolder());
    EXPECT_STREQ(StringText(folder.get()), ProgramFolder().c_str());
}

} // namespace
