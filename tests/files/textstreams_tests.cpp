// Text streams on Wine's file system: files opened, created and appended to
// through folder items, read line by line and written line by line.
#include <gtest/gtest.h>
#include <windows.h>
#include <cstring>
#include <string>
#include <vector>
#include "core/objects.h"
#include "core/string.h"
#include "files/fileclasses.h"
#include "files/textstreams.h"
#include "testfiles.h"

namespace {

// A folder item for the path, held for the scope.
struct Item {
    explicit Item(const std::string& path) : ref(NewFolderItem()) {
        StringRef text(NewString(path.data(), static_cast<uint32_t>(path.size())));
        SetFolderItemPath(ref.get(), text.get());
    }
    ObjectInstance* get() const { return ref.get(); }
    ObjectRef ref;
};

std::string Text(StringObject* adopted) {
    StringRef s(adopted);
    return std::string(StringText(s.get()), StringLength(s.get()));
}

StringObject* NewText(const std::string& text) {
    return NewString(text.data(), static_cast<uint32_t>(text.size()));
}

std::vector<std::string> LinesUntilEOF(ObjectInstance* input) {
    std::vector<std::string> lines;
    while (!TextInputStreamEOF(input, 0) && lines.size() < 100)
        lines.push_back(Text(TextInputStreamReadLine(input)));
    return lines;
}

void WriteLines(ObjectInstance* output, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        StringRef text(NewText(line));
        TextOutputStreamWriteLine(output, text.get());
    }
}

TEST(TextInputStream, LineEndsAndLineContents) {
    const std::string block(1023, 'x');        // a CR after it is byte 1024, the block's last
    const std::string longLine(3000, 'L');     // spans three blocks
    struct {
        const char* what;
        std::string bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"CR LF", "a\r\nb", {"a", "b"}},
        {"CR, LF and LF LF", "a\rb\n\nc", {"a", "b", "", "c"}},
        {"LF CR is two ends", "a\n\rb", {"a", "", "b"}},
        {"CR LF across the block boundary", block + "\r\ny", {block, "y"}},
        {"CR alone at the block boundary", block + "\rz", {block, "z"}},
        {"CR as the file's last byte at the boundary", block + "\r", {block}},
        {"last line without an end", "a\nlast", {"a", "last"}},
        {"line end at the end of the file", "a\r\n", {"a"}},
        {"empty lines only", "\r\n\n\r", {"", "", ""}},
        {"empty file", "", {}},
        {"NUL bytes are kept", std::string("a\0b\r\n\0", 6), {std::string("a\0b", 3), std::string(1, '\0')}},
        {"line longer than several blocks", longLine + "\nend", {longLine, "end"}},
        {"long line ending in CR LF at a boundary", std::string(2047, 'q') + "\r\n!", {std::string(2047, 'q'), "!"}},
    };
    TemporaryFolder folder;
    for (const auto& c : cases) {
        WriteWholeFile(folder / "in.txt", c.bytes);
        Item item(folder / "in.txt");
        ObjectRef input(FolderItemOpenTextFile(item.get()));
        ASSERT_NE(input.get(), nullptr) << c.what;
        EXPECT_EQ(LinesUntilEOF(input.get()), c.lines) << c.what;
        EXPECT_EQ(Text(TextInputStreamReadLine(input.get())), "") << c.what;
        EXPECT_TRUE(TextInputStreamEOF(input.get(), 0)) << c.what;
    }
}

TEST(TextInputStream, ReadAllGivesWhatReadLineLeft) {
    TemporaryFolder folder;
    const std::string tail = "two\nthree\r" + std::string(2500, 't') + "\r\nfour";
    WriteWholeFile(folder / "in.txt", "one\r\n" + tail);
    Item item(folder / "in.txt");
    ObjectRef input(FolderItemOpenTextFile(item.get()));
    ASSERT_NE(input.get(), nullptr);
    EXPECT_FALSE(TextInputStreamEOF(input.get(), 0));
    EXPECT_EQ(Text(TextInputStreamReadLine(input.get())), "one");
    EXPECT_EQ(Text(TextInputStreamReadAll(input.get())), tail);
    EXPECT_TRUE(TextInputStreamEOF(input.get(), 0));
    EXPECT_EQ(Text(TextInputStreamReadAll(input.get())), "");
    EXPECT_EQ(Text(TextInputStreamReadLine(input.get())), "");
}

TEST(TextInputStream, AClosedStreamReadsNothingAndIsAtItsEnd) {
    TemporaryFolder folder;
    WriteWholeFile(folder / "in.txt", "a\r\nb\r\n");
    Item item(folder / "in.txt");
    ObjectRef input(FolderItemOpenTextFile(item.get()));
    ASSERT_NE(input.get(), nullptr);
    TextInputStreamClose(input.get());
    TextInputStreamClose(input.get());
    EXPECT_EQ(Text(TextInputStreamReadLine(input.get())), "");
    EXPECT_EQ(Text(TextInputStreamReadAll(input.get())), "");
    EXPECT_TRUE(TextInputStreamEOF(input.get(), 0));
    // The file is released: it can be deleted.
    EXPECT_TRUE(DeleteFileA((folder / "in.txt").c_str()));
}

// A byte stream that hands out its bytes and then fails every read without
// ever reaching its end, as a file on a failing disk does.
class FailingStream : public ByteStream {
public:
    explicit FailingStream(bool* destroyed) : destroyed_(destroyed) {}
    ~FailingStream() override { *destroyed_ = true; }
    bool Read(void* buffer, uint32_t, uint32_t* got) override {
        *got = 0;
        if (given_) return false;
        given_ = true;
        memcpy(buffer, "ab", 2);
        *got = 2;
        return true;
    }
    bool Write(const void*, uint32_t) override { return false; }
    void Close() override {}
    bool AtEOF() override { return false; }
    bool SetPosition(uint32_t) override { return false; }
    uint32_t Length() override { return 10; }
    bool SetLength(uint32_t) override { return false; }
    uint32_t Position() override { return given_ ? 2 : 0; }
private:
    bool* destroyed_;
    bool given_ = false;
};

TEST(TextInputStream, AReadErrorEndsTheInputInsteadOfRetryingForever) {
    bool destroyed = false;
    ObjectRef input(NewTextInputStream(new FailingStream(&destroyed)));
    EXPECT_EQ(Text(TextInputStreamReadLine(input.get())), "ab");
    EXPECT_TRUE(destroyed);
    EXPECT_TRUE(TextInputStreamEOF(input.get(), 0));
}

TEST(TextStreams, DestroyingAStreamClosesIt) {
    bool inputDestroyed = false, outputDestroyed = false;
    UnlockObject(NewTextInputStream(new FailingStream(&inputDestroyed)));
    UnlockObject(NewTextOutputStream(new FailingStream(&outputDestroyed)));
    EXPECT_TRUE(inputDestroyed);
    EXPECT_TRUE(outputDestroyed);
}

TEST(TextOutputStream, WriteLineEndsLinesWithCRLFOrTheDelimiter) {
    struct {
        const char* delimiter;
        std::vector<std::string> lines;
        std::string bytes;
    } cases[] = {
        {"", {"a"}, "a\r\n"},
        {"", {"one", "", "two"}, "one\r\n\r\ntwo\r\n"},
        {"\n", {"a"}, "a\n"},
        {"|;", {"a", "b"}, "a|;b|;"},
    };
    TemporaryFolder folder;
    for (const auto& c : cases) {
        Item item(folder / "out.txt");
        ObjectRef output(FolderItemCreateTextFile(item.get()));
        ASSERT_NE(output.get(), nullptr);
        StringRef delimiter(NewStringFromText(c.delimiter));
        stringSetter(output.get(), kDelimiterOffset, delimiter.get());
        WriteLines(output.get(), c.lines);
        TextOutputStreamClose(output.get());
        EXPECT_EQ(ReadWholeFile(folder / "out.txt"), c.bytes) << c.delimiter;
    }
}

TEST(TextOutputStream, WriteAddsBytesOnlyAndNothingAfterClose) {
    TemporaryFolder folder;
    Item item(folder / "out.txt");
    ObjectRef output(FolderItemCreateTextFile(item.get()));
    ASSERT_NE(output.get(), nullptr);
    for (const char* text : {"ab", "", "c"}) {
        StringRef s(NewStringFromText(text));
        TextOutputStreamWrite(output.get(), s.get());
    }
    TextOutputStreamClose(output.get());
    StringRef late(NewStringFromText("late"));
    TextOutputStreamWrite(output.get(), late.get());
    TextOutputStreamWriteLine(output.get(), late.get());
    TextOutputStreamClose(output.get());
    EXPECT_EQ(ReadWholeFile(folder / "out.txt"), "abc");
}

TEST(TextOutputStream, WhatWasWrittenIsInTheFileBeforeClose) {
    TemporaryFolder folder;
    Item item(folder / "out.txt");
    ObjectRef output(FolderItemCreateTextFile(item.get()));
    ASSERT_NE(output.get(), nullptr);
    WriteLines(output.get(), {"first"});
    Item reader(folder / "out.txt");
    ObjectRef input(FolderItemOpenTextFile(reader.get()));
    ASSERT_NE(input.get(), nullptr);
    EXPECT_EQ(Text(TextInputStreamReadAll(input.get())), "first\r\n");
}

TEST(TextFileOpeners, CreateEmptiesAndAppendAddsAtTheEnd) {
    TemporaryFolder folder;
    WriteWholeFile(folder / "f.txt", "a long old content\r\n");
    Item item(folder / "f.txt");
    {
        ObjectRef output(FolderItemCreateTextFile(item.get()));
        ASSERT_NE(output.get(), nullptr);
        WriteLines(output.get(), {"x"});
    }
    EXPECT_EQ(ReadWholeFile(folder / "f.txt"), "x\r\n");
    {
        ObjectRef output(FolderItemAppendTextFile(item.get()));
        ASSERT_NE(output.get(), nullptr);
        WriteLines(output.get(), {"y"});
    }
    EXPECT_EQ(ReadWholeFile(folder / "f.txt"), "x\r\ny\r\n");
    Item fresh(folder / "new.txt");
    {
        ObjectRef output(FolderItemAppendTextFile(fresh.get()));
        ASSERT_NE(output.get(), nullptr);
        WriteLines(output.get(), {"z"});
    }
    EXPECT_EQ(ReadWholeFile(folder / "new.txt"), "z\r\n");
}

TEST(TextFileOpeners, FailuresGiveNil) {
    TemporaryFolder folder;
    Item missing(folder / "missing.txt");
    Item inMissingFolder(folder / "nowhere\\f.txt");
    EXPECT_EQ(FolderItemOpenTextFile(missing.get()), nullptr);
    EXPECT_EQ(FolderItemOpenTextFile(inMissingFolder.get()), nullptr);
    EXPECT_EQ(FolderItemCreateTextFile(inMissingFolder.get()), nullptr);
    EXPECT_EQ(FolderItemAppendTextFile(inMissingFolder.get()), nullptr);
}

} // namespace
