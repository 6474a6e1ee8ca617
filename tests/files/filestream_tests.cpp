// The file byte stream on Wine's file system: positions, length, the end
// test, and a closed stream that does nothing.
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include "files/filestream.h"
#include "testfiles.h"

namespace {

std::string ReadBytes(FileStream* stream, uint32_t count) {
    char bytes[64] = {};
    uint32_t got = 99;
    EXPECT_TRUE(stream->Read(bytes, count, &got));
    return std::string(bytes, got);
}

TEST(FileStream, PositionLengthAndEndFollowTheFile) {
    TemporaryFolder folder;
    std::unique_ptr<FileStream> stream(FileStream::Create((folder / "f.bin").c_str()));
    ASSERT_TRUE(stream->IsOpen());
    EXPECT_TRUE(stream->AtEOF());                 // a new file is empty
    EXPECT_TRUE(stream->Write("hello", 5));
    EXPECT_EQ(stream->Position(), 5u);
    EXPECT_EQ(stream->Length(), 5u);
    EXPECT_TRUE(stream->AtEOF());
    EXPECT_TRUE(stream->SetPosition(1));
    EXPECT_FALSE(stream->AtEOF());
    EXPECT_EQ(stream->Length(), 5u);
    EXPECT_EQ(stream->Position(), 1u);            // Length leaves the position alone
    EXPECT_TRUE(stream->SetLength(3));
    EXPECT_EQ(stream->Position(), 1u);            // and so does SetLength
    EXPECT_EQ(stream->Length(), 3u);
    EXPECT_EQ(ReadBytes(stream.get(), 10), "el");
    EXPECT_EQ(ReadBytes(stream.get(), 10), "");   // at the end a read brings nothing
    stream->Close();
    EXPECT_EQ(ReadWholeFile(folder / "f.bin"), "hel");
}

TEST(FileStream, AClosedStreamDoesNothing) {
    TemporaryFolder folder;
    WriteWholeFile(folder / "f.bin", "abc");
    std::unique_ptr<FileStream> stream(FileStream::OpenForReadingAndWriting((folder / "f.bin").c_str()));
    ASSERT_TRUE(stream->IsOpen());
    stream->Close();
    stream->Close();
    EXPECT_FALSE(stream->IsOpen());
    char byte;
    uint32_t got = 99;
    EXPECT_FALSE(stream->Read(&byte, 1, &got));
    EXPECT_EQ(got, 0u);
    EXPECT_FALSE(stream->Write("x", 1));
    EXPECT_EQ(ReadWholeFile(folder / "f.bin"), "abc");
}

TEST(FileStream, OpeningAMissingFileGivesAClosedStream) {
    TemporaryFolder folder;
    std::unique_ptr<FileStream> stream(FileStream::OpenForReading((folder / "none").c_str()));
    EXPECT_FALSE(stream->IsOpen());
}

} // namespace
