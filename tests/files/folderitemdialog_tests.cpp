// The save and open dialogs: the filter built from the project's file types,
// and the system's save dialog answered from a driver thread.
#include <gtest/gtest.h>
#include "core/objects.h"
#include "core/string.h"
#include "files/filetypes.h"
#include "files/folderitemroutines.h"
#include "filedialogdriver.h"
#include "projectfiletypes.h"
#include "testfiles.h"

namespace {

using namespace std::string_literals;

struct Text : StringRef {
    explicit Text(const std::string& text) : StringRef(NewString(text.data(), uint32_t(text.size()))) {}
};

std::string PathOf(ObjectInstance* item) {
    StringRef path(fileAbsolutePathGetter(item, 0));
    return StringText(path.get());
}

class FolderItemDialog : public testing::Test {
protected:
    void SetUp() override { LoadFileTypes(kApplicationFileTypes); }
    void TearDown() override { LoadFileTypes({}); }
};

TEST_F(FolderItemDialog, FilterOffersThePatternsOfTheNamedFileTypes) {
    struct {
        const char* names;
        std::string filter;
        const char* defaultExtension;
    } cases[] = {
        {"TEXT", "TEXT\0\0\0\0"s, ""},
        {"APTDAT", "APTDAT\0*.dat\0\0\0"s, "dat"},
        {"aptdat;", "aptdat\0*.dat\0\0\0"s, "dat"},
        {"PICT", "PICT\0*.*\0\0\0"s, ""},
        {"TEXT;APTDAT;NAVDAT", "TEXT\0\0APTDAT\0*.dat\0NAVDAT\0*.dat\0\0\0"s, "dat"},
        {"OTHER;;PICT", "OTHER\0\0PICT\0*.*\0\0\0"s, ""},
        {"", "\0\0"s, ""},
    };
    for (const auto& c : cases) {
        FileTypeFilter filter = BuildFileTypeFilter(SpanOf(c.names));
        EXPECT_EQ(filter.bytes, c.filter) << c.names;
        EXPECT_EQ(filter.defaultExtension, c.defaultExtension) << c.names;
    }
}

// Types of one name add their extensions to one pattern; the first one with
// a "." gives the default extension, and of several names the last one wins.
TEST_F(FolderItemDialog, FilterJoinsTheExtensionsOfTypesOfOneName) {
    LoadFileTypes({{"DOC", "", "", ".doc;;.rtf"}, {"DOC", "", "", "txt"}, {"BIN", "", "", ".bin"}});
    FileTypeFilter filter = BuildFileTypeFilter(SpanOf("DOC;BIN"));
    EXPECT_EQ(filter.bytes, "DOC\0*.doc;*.rtf;*txt\0BIN\0*.bin\0\0\0"s);
    EXPECT_EQ(filter.defaultExtension, "bin");
}

TEST_F(FolderItemDialog, SaveGivesThePathTypedAndAddsOnlyAKnownExtension) {
    TemporaryFolder folder;
    struct {
        const char* types;
        const char* chosen;
    } cases[] = {
        {"TEXT", "subset"},
        {"APTDAT", "subset.dat"},
    };
    for (const auto& c : cases) {
        FileDialogDriver driver(folder / "subset");
        ObjectRef item(RuntimeGetSaveFolderItem(Text(c.types).get(), Text("new_apt.dat").get()));
        driver.Finish();
        ASSERT_TRUE(driver.answered()) << c.types;
        EXPECT_EQ(driver.shownName(), "new_apt.dat");
        ASSERT_TRUE(item.get()) << c.types;
        EXPECT_EQ(PathOf(item.get()), folder / c.chosen) << c.types;
        EXPECT_FALSE(fileExistsGetter(item.get(), 0));   // the dialog creates nothing
    }
}

TEST_F(FolderItemDialog, CancelledDialogsGiveNil) {
    FileDialogDriver saveDriver("");
    ObjectRef saved(RuntimeGetSaveFolderItem(Text("TEXT").get(), Text("new_apt.dat").get()));
    saveDriver.Finish();
    EXPECT_TRUE(saveDriver.answered());
    EXPECT_EQ(saved.get(), nullptr);

    FileDialogDriver openDriver("");
    ObjectRef opened(RuntimeGetOpenFolderItem(Text("APTDAT").get()));
    openDriver.Finish();
    EXPECT_TRUE(openDriver.answered());
    EXPECT_EQ(openDriver.shownName(), "");
    EXPECT_EQ(opened.get(), nullptr);
}

TEST_F(FolderItemDialog, OpenGivesAnExistingFileChosen) {
    TemporaryFolder folder;
    WriteWholeFile(folder / "apt.dat", "I\n");
    FileDialogDriver driver(folder / "apt.dat");
    ObjectRef item(RuntimeGetOpenFolderItem(Text("APTDAT").get()));
    driver.Finish();
    ASSERT_TRUE(item.get());
    EXPECT_EQ(PathOf(item.get()), folder / "apt.dat");
}

} // namespace
