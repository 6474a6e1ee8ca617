// The files a run writes: resource index, stamped runtime, and the tool's
// command line as the build uses it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "build_error.h"
#include "file_io.h"
#include "pickle_stamp.h"
#include "resource_index.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

Bytes bytes_of(const std::string &text) {
    return Bytes(text.begin(), text.end());
}

fs::path fresh_directory(const std::string &name) {
    fs::path dir = fs::path(::testing::TempDir()) / ("imagebuilder_" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

int run_tool(const std::string &arguments, const fs::path &dir) {
    std::string command = std::string(IMAGEBUILDER) + " " + arguments + " 2>" +
                          (dir / "stderr").string();
    return std::system(command.c_str());
}

std::string read_text(const fs::path &path) {
    Bytes b = read_file(path.string());
    return std::string(b.begin(), b.end());
}

Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes &p : parts)
        append_bytes(out, p);
    return out;
}

} // namespace

TEST(ResourceIndex, CountAndOffsetsFromTheTableEndThenTheResources) {
    Bytes expected = {0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 2, 'a', 'b', 'c', 'd', 'e'};
    EXPECT_EQ(build_resource_index({bytes_of("ab"), {}, bytes_of("cde")}), expected);
}

TEST(PickleStamp, OverwritesOnlyThePickleWords) {
    std::string path = fixture_path("runtime.exe");
    Bytes original = read_file(path);
    uint32_t at = find_pickle(original, path);
    ASSERT_EQ(std::string(original.begin() + at, original.begin() + at + 8), "PICK\xFF\xFF\xFF\xFF");
    Bytes stamped = original;
    stamp_pickle(stamped, path, 0x000B2C00, 0x12345678);
    Bytes expected = original;
    Bytes words = {0x00, 0x2C, 0x0B, 0x00, 0x78, 0x56, 0x34, 0x12};
    std::copy(words.begin(), words.end(), expected.begin() + at);
    EXPECT_EQ(stamped, expected);
}

TEST(PickleStamp, FilesWithoutThePickleResourceAreRefused) {
    for (const char *file : {"no_pickle.exe", "imports.o"}) {
        std::string path = fixture_path(file);
        Bytes exe = read_file(path);
        EXPECT_THROW(find_pickle(exe, path), BuildError) << file;
    }
}

TEST(CommandLine, AllOutputsOfOneRunHoldTheSameImage) {
    fs::path dir = fresh_directory("outputs");
    std::ofstream(dir / "cursor.bin") << "CURSOR";
    std::ofstream(dir / "lib.dll") << "MZlib";
    std::string runtime = fixture_path("runtime.exe");
    std::string args = "--plugin apctl1.dll=" + (dir / "lib.dll").string() +
                       " --resource " + (dir / "cursor.bin").string() +
                       " --dev-files " + (dir / "dev").string() +
                       " --image " + (dir / "image.bin").string() +
                       " --ship " + runtime + " --output " + (dir / "out.exe").string() +
                       " --map " + (dir / "map.txt").string() + " " + fixture_path("relocations.o");
    ASSERT_EQ(run_tool(args, dir), 0) << read_text(dir / "stderr");

    Bytes blob;
    for (const char *section : {"code1", "code2", "data1", "data2"}) {
        Bytes bytes = read_file((dir / "dev" / (std::string(section) + ".dat")).string());
        append_u32le(blob, uint32_t(bytes.size()));
        append_bytes(blob, bytes);
    }
    EXPECT_EQ(read_file((dir / "image.bin").string()), blob);
    Bytes index = read_file((dir / "dev" / "data3.dat").string());
    EXPECT_EQ(index, build_resource_index({bytes_of("CURSOR")}));

    Bytes exe = read_file(runtime);
    stamp_pickle(exe, runtime, uint32_t(exe.size() + index.size()), uint32_t(exe.size()));
    EXPECT_EQ(read_file((dir / "out.exe").string()), concat({exe, index, blob}));

    std::string map = read_text(dir / "map.txt");
    EXPECT_NE(map.find("ImageMain code1 00000000\n"), std::string::npos) << map;
    EXPECT_NE(map.find("counter data1 00000018\n"), std::string::npos) << map;
}

TEST(CommandLine, WithoutResourcesTheImageFollowsTheRuntimeAtOnce) {
    fs::path dir = fresh_directory("no_resources");
    std::string runtime = fixture_path("runtime.exe");
    std::string args = "--ship " + runtime + " --output " + (dir / "out.exe").string() +
                       " --dev-files " + (dir / "dev").string() + " " + fixture_path("imports.o");
    ASSERT_EQ(run_tool(args, dir), 0) << read_text(dir / "stderr");
    Bytes exe = read_file(runtime);
    Bytes out = read_file((dir / "out.exe").string());
    uint32_t at = find_pickle(out, "out.exe");
    EXPECT_EQ(word_at(out, at), exe.size());
    EXPECT_EQ(word_at(out, at + 4), NO_RESOURCE_INDEX);
    EXPECT_EQ(word_at(out, uint32_t(exe.size())), read_file((dir / "dev" / "code1.dat").string()).size());
    EXPECT_FALSE(fs::exists(dir / "dev" / "data3.dat"));
}

TEST(CommandLine, AFailedRunReportsTheObjectAndWritesNothing) {
    fs::path dir = fresh_directory("failure");
    std::string bad = fixture_path("PC_RELATIVE_TO_DATA.o");
    std::string args = "--image " + (dir / "image.bin").string() + " --dev-files " +
                       (dir / "dev").string() + " " + fixture_path("callee.o") + " " + bad;
    EXPECT_NE(run_tool(args, dir), 0);
    std::string message = read_text(dir / "stderr");
    EXPECT_EQ(message.rfind("imagebuilder: " + bad + ": .text+0x2: ", 0), 0u) << message;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1) << "only stderr";
}
