// Path arithmetic on the worked examples of folder items, drive and network
// paths alike. A forward slash is an ordinary character.
#include <gtest/gtest.h>
#include "core/string.h"
#include "files/paths.h"
#include <string>

namespace {

std::string Text(PathSpan span) { return std::string(span.bytes, span.length); }
std::string Take(StringObject* s) {
    std::string text(StringText(s), StringLength(s));
    RuntimeUnlockString(s);
    return text;
}

struct SplitCase {
    const char* path;
    const char* volume;
    const char* directory;
    const char* name;
    const char* parent;
};

class Split : public ::testing::TestWithParam<SplitCase> {};

TEST_P(Split, GivesVolumeDirectoryNameAndParent) {
    const SplitCase& c = GetParam();
    PathParts parts = SplitPath(SpanOf(c.path));
    EXPECT_EQ(Text(parts.volume), c.volume);
    EXPECT_EQ(Text(parts.directory), c.directory);
    EXPECT_EQ(Text(parts.name), c.name);
    EXPECT_EQ(Take(NewParentPath(SpanOf(c.path))), c.parent);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, Split,
    ::testing::Values(
        SplitCase{"C:\\Tools\\Tessel\\x.dat", "C:\\", "Tools\\Tessel\\", "x.dat", "C:\\Tools\\Tessel"},
        SplitCase{"C:\\x.dat", "C:", "", "x.dat", "C:"},
        SplitCase{"C:", "C:", "", "C:", "C:"},
        SplitCase{"C:\\", "C:", "", "C:", "C:"},
        SplitCase{"C:\\Tools\\Tessel/data/apt.dat", "C:\\", "Tools\\", "Tessel/data/apt.dat", "C:\\Tools"},
        SplitCase{"C:\\Tools\\", "C:\\", "Tools\\", "", "C:\\Tools"},
        SplitCase{"\\\\srv\\share\\x", "\\\\", "srv\\share\\", "x", "\\\\srv\\share"},
        SplitCase{"\\\\srv", "\\", "", "srv", "\\"},
        SplitCase{"\\\\", "\\", "", "\\", "\\"}));

TEST(Paths, AbsoluteMeansAColonOrABackslashSecond) {
    EXPECT_TRUE(IsAbsolutePath(SpanOf("C:\\x")));
    EXPECT_TRUE(IsAbsolutePath(SpanOf("C:/data/apt.dat")));
    EXPECT_TRUE(IsAbsolutePath(SpanOf("\\\\srv\\share")));
    EXPECT_FALSE(IsAbsolutePath(SpanOf("/data/apt.dat")));
    EXPECT_FALSE(IsAbsolutePath(SpanOf("data\\apt.dat")));
    EXPECT_FALSE(IsAbsolutePath(SpanOf("")));
}

TEST(Paths, ResolutionJoinsRelativeTextsToTheApplicationFolderUnconverted) {
    PathSpan folder = SpanOf("C:\\Tools\\Tessel");
    EXPECT_EQ(Take(NewResolvedPath(SpanOf("/data/apt.dat"), folder)), "C:\\Tools\\Tessel\\/data/apt.dat");
    EXPECT_EQ(Take(NewResolvedPath(SpanOf(""), folder)), "C:\\Tools\\Tessel\\");
    EXPECT_EQ(Take(NewResolvedPath(SpanOf("D:\\x"), folder)), "D:\\x");
    EXPECT_EQ(Take(NewResolvedPath(SpanOf("\\\\srv\\x"), folder)), "\\\\srv\\x");
    EXPECT_EQ(Take(NewResolvedPath(SpanOf("\\x.dat"), folder)), "C:\\x.dat");
}

TEST(Paths, PathAsReadDropsOneTrailingBackslash) {
    StringRef stored(NewStringFromText("C:\\Tools\\Tessel\\\\"));
    EXPECT_EQ(Text(PathAsRead(stored.get())), "C:\\Tools\\Tessel\\");
    EXPECT_EQ(Text(PathAsRead(nullptr)), "");
}

TEST(Paths, ChildAddsABackslashOnlyWhenMissing) {
    EXPECT_EQ(Take(NewChildPath(SpanOf("C:\\a"), SpanOf("b.txt"))), "C:\\a\\b.txt");
    EXPECT_EQ(Take(NewChildPath(SpanOf("C:\\"), SpanOf("b.txt"))), "C:\\b.txt");
}

} // namespace
