// Folder items on Wine's file system: the resolution of the paths compiled
// code gives, the properties, the folder listing, the methods that change
// entries and the global folder functions.
#include <gtest/gtest.h>
#include "core/objects.h"
#include "core/string.h"
#include "files/fileclasses.h"
#include "files/folderitemroutines.h"
#include "projectfiletypes.h"
#include "testfiles.h"
#include <windows.h>
#include <set>

namespace {

struct Text : StringRef {
    explicit Text(const std::string& text) : StringRef(NewString(text.data(), uint32_t(text.size()))) {}
};

std::string Taken(StringObject* s) {
    StringRef held(s);
    return StringText(s);
}

std::string PathOf(ObjectInstance* item) { return Taken(fileAbsolutePathGetter(item, 0)); }
std::string NameOf(ObjectInstance* item) { return Taken(fileNameGetter(item, 0)); }

ObjectInstance* ItemFor(const std::string& path) { return FolderItemFromPath(path.c_str()); }

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

TEST(FolderItem, EmptyTextAndUnsetItemStandForTheApplicationFolder) {
    Text empty("");
    ObjectRef resolved(RuntimeGetFolderItem(empty.get()));
    ASSERT_TRUE(resolved.get());
    EXPECT_EQ(PathOf(resolved.get()), ProgramFolder());
    EXPECT_TRUE(fileDirectoryGetter(resolved.get(), 0));
    ObjectRef unset(NewFolderItem());
    EXPECT_EQ(PathOf(unset.get()), ProgramFolder());
}

TEST(FolderItem, RelativeTextIsAppendedToTheApplicationFolderUnchanged) {
    Text text("/data/apt.dat");
    ObjectRef item(RuntimeGetFolderItem(text.get()));
    ASSERT_TRUE(item.get());
    EXPECT_EQ(PathOf(item.get()), ProgramFolder() + "\\/data/apt.dat");
}

// The application's own way: the folder's path, "/data/apt.dat" appended,
// resolved even while the data folder is missing, found once the file is there.
TEST(FolderItem, DataFileBesideTheFolderIsFoundThroughTheResolvedPath) {
    TemporaryFolder folder;
    Text text(folder.path() + "/data/apt.dat");
    ObjectRef item(RuntimeGetFolderItem(text.get()));
    ASSERT_TRUE(item.get());
    EXPECT_EQ(PathOf(item.get()), folder.path() + "/data/apt.dat");
    EXPECT_FALSE(fileExistsGetter(item.get(), 0));
    CreateDirectoryA((folder / "data").c_str(), nullptr);
    WriteWholeFile(folder / "data\\apt.dat", "I\n850 Version\n");
    EXPECT_TRUE(fileExistsGetter(item.get(), 0));
    EXPECT_EQ(fileSizeGetter(item.get(), 0), 14);
}

TEST(FolderItem, ResolutionNeedsOnlyTheFolderThatWouldHoldTheEntry) {
    TemporaryFolder folder;
    CreateDirectoryA((folder / "sub").c_str(), nullptr);
    struct {
        std::string path;
        bool item, exists;
    } cases[] = {
        {folder / "missing.dat", true, false},
        {folder / "sub", true, true},
        {folder / "sub\\", true, true},
        {folder / "missing\\x.dat", false, false},
        {"\\\\nosuchserver\\share", false, false},
    };
    for (const auto& c : cases) {
        Text text(c.path);
        ObjectRef item(RuntimeGetFolderItem(text.get()));
        ASSERT_EQ(item.get() != nullptr, c.item) << c.path;
        if (item.get()) {
            EXPECT_EQ(fileExistsGetter(item.get(), 0), c.exists) << c.path;
        }
    }
}

TEST(FolderItem, NamesAndParentsUpToTheDriveRoot) {
    struct {
        const char* path;
        const char* name;
        const char* parent;   // null: no parent
    } cases[] = {
        {"C:\\Tools\\Tessel\\x.dat", "x.dat", "C:\\Tools\\Tessel"},
        {"C:\\Tools\\Tessel\\", "Tessel", "C:\\Tools"},
        {"C:\\x.dat", "x.dat", "C:"},
        {"C:", "C:", nullptr},
        {"C:\\", "C:", nullptr},
        {"C:\\Tools\\Tessel/data/apt.dat", "Tessel/data/apt.dat", "C:\\Tools"},
        {"\\\\srv\\share\\x", "x", "\\\\srv\\share"},
    };
    for (const auto& c : cases) {
        ObjectRef item(ItemFor(c.path));
        EXPECT_EQ(NameOf(item.get()), c.name) << c.path;
        ObjectRef parent(folderParentGetter(item.get(), 0));
        ASSERT_EQ(parent.get() != nullptr, c.parent != nullptr) << c.path;
        if (parent.get()) {
            EXPECT_EQ(PathOf(parent.get()), c.parent) << c.path;
        }
    }
}

TEST(FolderItem, AttributesOfFilesFoldersAndMissingEntries) {
    TemporaryFolder folder;
    WriteWholeFile(folder / "file.dat", "12345");
    CreateDirectoryA((folder / "sub").c_str(), nullptr);
    ObjectRef file(ItemFor(folder / "file.dat")), sub(ItemFor(folder / "sub")),
        missing(ItemFor(folder / "missing.dat"));
    EXPECT_EQ(fileSizeGetter(file.get(), 0), 5);
    EXPECT_FALSE(fileDirectoryGetter(file.get(), 0));
    EXPECT_TRUE(fileDirectoryGetter(sub.get(), 0));

    fileLockedSetter(file.get(), 0, true);
    fileVisibleSetter(file.get(), 0, false);
    EXPECT_TRUE(fileLockedGetter(file.get(), 0));
    EXPECT_FALSE(fileVisibleGetter(file.get(), 0));
    fileLockedSetter(file.get(), 0, false);
    fileVisibleSetter(file.get(), 0, true);
    EXPECT_FALSE(fileLockedGetter(file.get(), 0));
    EXPECT_TRUE(fileVisibleGetter(file.get(), 0));

    fileLockedSetter(missing.get(), 0, true);
    EXPECT_FALSE(Exists(folder / "missing.dat"));
    EXPECT_FALSE(fileExistsGetter(missing.get(), 0));
    EXPECT_FALSE(fileDirectoryGetter(missing.get(), 0));
    EXPECT_EQ(fileSizeGetter(missing.get(), 0), 0);
    EXPECT_FALSE(fileLockedGetter(missing.get(), 0));
    EXPECT_TRUE(fileVisibleGetter(missing.get(), 0));
}

TEST(FolderItem, TypeIsTheBestScoringFileTypeOfTheProject) {
    ObjectRef dat(ItemFor("C:\\x\\apt.DAT")), other(ItemFor("C:\\x\\notes.txt"));
    LoadFileTypes({});
    EXPECT_EQ(Taken(fileTypeGetter(dat.get(), 0)), "");
    LoadFileTypes({{"PICT", "????", "????", ""}, {"TEXT", "ttxt", "TEXT", ".txt;.dat"}, {"APTDAT", "", "", ".dat"}});
    EXPECT_EQ(Taken(fileTypeGetter(dat.get(), 0)), "TEXT");    // the first of the two that match
    EXPECT_EQ(Taken(fileTypeGetter(other.get(), 0)), "TEXT");
    LoadFileTypes(kApplicationFileTypes);
    EXPECT_EQ(Taken(fileTypeGetter(other.get(), 0)), "APTDAT");   // no match: the first type
    LoadFileTypes({});
}

TEST(FolderItem, ItemCountsFromOneAndIsNilOutsideTheListing) {
    TemporaryFolder folder;
    for (const char* name : {"a.dat", "b.dat", "c"}) WriteWholeFile(folder / name, "");
    ObjectRef item(ItemFor(folder.path()));
    ASSERT_EQ(fileCountGetter(item.get(), 0), 3);
    std::set<std::string> names;
    for (int i = 1; i <= 3; i++) {
        ObjectRef entry(FolderItemItem(item.get(), i));
        ASSERT_TRUE(entry.get());
        EXPECT_EQ(PathOf(entry.get()), folder / NameOf(entry.get()));
        names.insert(NameOf(entry.get()));
    }
    EXPECT_EQ(names, (std::set<std::string>{"a.dat", "b.dat", "c"}));
    EXPECT_EQ(ObjectRef(FolderItemItem(item.get(), 0)).get(), nullptr);
    EXPECT_EQ(ObjectRef(FolderItemTrueItem(item.get(), 4)).get(), nullptr);
    ObjectRef missing(ItemFor(folder / "missing"));
    EXPECT_EQ(fileCountGetter(missing.get(), 0), 0);
}

// Item keeps its listing while it finds items, and lists anew after a nil.
TEST(FolderItem, ItemListsAnewAfterANilResult) {
    TemporaryFolder folder;
    WriteWholeFile(folder / "a.dat", "");
    ObjectRef item(ItemFor(folder.path()));
    EXPECT_TRUE(ObjectRef(FolderItemItem(item.get(), 1)).get());
    WriteWholeFile(folder / "b.dat", "");
    EXPECT_EQ(ObjectRef(FolderItemItem(item.get(), 2)).get(), nullptr);
    EXPECT_TRUE(ObjectRef(FolderItemItem(item.get(), 2)).get());
}

TEST(FolderItem, ChildJoinsWithOneBackslash) {
    struct {
        const char* folder;
        const char* child;
    } cases[] = {
        {"C:\\a", "C:\\a\\b.txt"},
        {"C:\\a\\", "C:\\a\\b.txt"},
        {"C:\\", "C:\\b.txt"},
    };
    Text name("b.txt");
    for (const auto& c : cases) {
        ObjectRef folder(ItemFor(c.folder));
        ObjectRef child(FolderChild(folder.get(), name.get()));
        EXPECT_EQ(PathOf(child.get()), c.child) << c.folder;
        EXPECT_EQ(PathOf(ObjectRef(FolderTrueChild(folder.get(), name.get())).get()), c.child);
    }
}

TEST(FolderItem, RenameMovesTheEntryAndTheItemFollowsTheName) {
    TemporaryFolder folder;
    CreateDirectoryA((folder / "other").c_str(), nullptr);
    WriteWholeFile(folder / "a.txt", "a");
    ObjectRef item(ItemFor(folder / "a.txt"));

    fileNameSetter(item.get(), 0, Text("b.txt").get());
    EXPECT_EQ(PathOf(item.get()), folder / "b.txt");
    EXPECT_EQ(ReadWholeFile(folder / "b.txt"), "a");

    fileNameSetter(item.get(), 0, Text(folder / "other\\c.txt").get());   // an absolute name is the path
    EXPECT_EQ(PathOf(item.get()), folder / "other\\c.txt");
    EXPECT_EQ(ReadWholeFile(folder / "other\\c.txt"), "a");

    fileNameSetter(item.get(), 0, Text("").get());   // no name: nothing renamed
    EXPECT_EQ(PathOf(item.get()), folder / "other\\c.txt");

    ObjectRef missing(ItemFor(folder / "missing.txt"));
    fileNameSetter(missing.get(), 0, Text("d.txt").get());
    EXPECT_EQ(PathOf(missing.get()), folder / "d.txt");
    EXPECT_FALSE(Exists(folder / "d.txt"));
}

TEST(FolderItem, CopyReplacesAndMoveKeepsAnExistingTarget) {
    TemporaryFolder folder;
    CreateDirectoryA((folder / "into").c_str(), nullptr);
    WriteWholeFile(folder / "a.txt", "new");
    WriteWholeFile(folder / "old.txt", "old");
    ObjectRef file(ItemFor(folder / "a.txt")), into(ItemFor(folder / "into")),
        old(ItemFor(folder / "old.txt")), fresh(ItemFor(folder / "moved.txt"));

    FolderItemCopyFileTo(file.get(), into.get());   // a folder: the file goes inside
    EXPECT_EQ(ReadWholeFile(folder / "into\\a.txt"), "new");
    FolderItemCopyFileTo(file.get(), old.get());
    EXPECT_EQ(ReadWholeFile(folder / "old.txt"), "new");

    WriteWholeFile(folder / "old.txt", "old");
    FolderItemMoveFileTo(file.get(), old.get());
    EXPECT_EQ(ReadWholeFile(folder / "old.txt"), "old");
    EXPECT_TRUE(Exists(folder / "a.txt"));
    FolderItemMoveFileTo(file.get(), fresh.get());
    EXPECT_EQ(ReadWholeFile(folder / "moved.txt"), "new");
    EXPECT_FALSE(Exists(folder / "a.txt"));
    FolderItemCopyFileTo(fresh.get(), nullptr);   // no destination: nothing
}

TEST(FolderItem, CreateAsFolderAndDeleteOfFoldersAndFiles) {
    TemporaryFolder folder;
    WriteWholeFile(folder / "a.txt", "a");
    ObjectRef sub(ItemFor(folder / "sub")), file(ItemFor(folder / "a.txt"));
    FolderItemCreateAsFolder(sub.get());
    EXPECT_TRUE(fileDirectoryGetter(sub.get(), 0));
    FolderItemDelete(sub.get());
    FolderItemDelete(file.get());
    EXPECT_FALSE(Exists(folder / "sub"));
    EXPECT_FALSE(Exists(folder / "a.txt"));
}

TEST(FolderItem, VolumesAreCountedFromDriveCAndEndWithNil) {
    int count = getVolumeCount();
    ASSERT_GT(count, 0);
    int previousRank = -1;   // C to Z rank 0 to 23, A and B 24 and 25
    for (int i = 0; i < count; i++) {
        ObjectRef volume(getVolume(i));
        ASSERT_TRUE(volume.get()) << i;
        std::string path = PathOf(volume.get());
        ASSERT_EQ(path.size(), 2u);
        EXPECT_EQ(path[1], ':');
        int rank = path[0] >= 'C' ? path[0] - 'C' : path[0] - 'A' + 24;
        EXPECT_GT(rank, previousRank) << path;
        previousRank = rank;
        EXPECT_TRUE(fileExistsGetter(volume.get(), 0)) << path;
    }
    EXPECT_EQ(ObjectRef(getVolume(count)).get(), nullptr);
    EXPECT_EQ(ObjectRef(getVolume(-1)).get(), nullptr);
}

TEST(FolderItem, SystemFoldersAreTheSystemsPathsAsGiven) {
    char windows[MAX_PATH], system[MAX_PATH], temporary[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    GetSystemDirectoryA(system, MAX_PATH);
    GetTempPathA(MAX_PATH, temporary);
    std::string temporaryAsRead(temporary, strlen(temporary) - 1);   // it ends in a backslash
    EXPECT_EQ(PathOf(ObjectRef(getPreferencesFolder()).get()), windows);
    EXPECT_EQ(PathOf(ObjectRef(getSystemFolder()).get()), system);
    EXPECT_EQ(PathOf(ObjectRef(getExtensionsFolder()).get()), system);
    EXPECT_EQ(PathOf(ObjectRef(getTemporaryItemsFolder()).get()), temporaryAsRead);
    EXPECT_EQ(ObjectRef(getShutdownItemsFolder()).get(), nullptr);
    ObjectRef desktop(getDesktopFolder());
    ASSERT_TRUE(desktop.get());
    EXPECT_TRUE(fileDirectoryGetter(desktop.get(), 0));
}

TEST(FolderItem, TemporaryFolderItemIsANewEmptyFileFromTheSystem) {
    ObjectRef item(getTemporaryFolderItem());
    ASSERT_TRUE(item.get());
    std::string path = PathOf(item.get());
    EXPECT_EQ(NameOf(item.get()).substr(0, 3), "obt");
    EXPECT_TRUE(fileExistsGetter(item.get(), 0));
    EXPECT_EQ(fileSizeGetter(item.get(), 0), 0);
    DeleteFileA(path.c_str());
}

TEST(FolderItem, PluginsMakeItemsFromPathsAsGiven) {
    ObjectRef item(FolderItemFromPath("Q:\\nowhere\\x.dat\\"));
    EXPECT_EQ(Taken(OPALpathFromFolderItem(item.get())), "Q:\\nowhere\\x.dat");
    EXPECT_EQ(FolderItemFromPath(nullptr), nullptr);
    EXPECT_EQ(OPALpathFromFolderItem(nullptr), nullptr);
}

} // namespace
