#include <gtest/gtest.h>

#include <filesystem>

#include "compression/Stream.h"
#include "tools/support/TempFolder.h"

using velmora::FileStream;
using velmora::MemoryStream;
using velmora::SeekOrigin;

TEST(MemoryStream, ReadsWhatWasWrittenAndStopsAtTheEnd) {
    MemoryStream s;
    const char text[] = "abcdef";
    EXPECT_EQ(s.Write(text, 6), 6);
    EXPECT_EQ(s.Size(), 6);
    EXPECT_EQ(s.Seek(2, SeekOrigin::Begin), 2);
    char out[8] = {};
    EXPECT_EQ(s.Read(out, 8), 4);
    EXPECT_STREQ(out, "cdef");
    EXPECT_EQ(s.Read(out, 1), 0);
    EXPECT_EQ(s.Seek(-1, SeekOrigin::Begin), -1);
    EXPECT_THROW(s.ReadBuffer(out, 1), velmora::EReadError);
}

TEST(MemoryStream, WritingPastTheEndGrowsTheStream) {
    MemoryStream s;
    s.Seek(3, SeekOrigin::Begin);
    s.WriteBuffer("x", 1);
    ASSERT_EQ(s.Size(), 4);
    EXPECT_EQ(s.Data()[0], 0);
    EXPECT_EQ(s.Data()[3], 'x');
}

TEST(FileStream, MissingFileGivesCannotOpenWithItsName) {
    velmora::testing::TempFolder folder;
    const auto path = folder.Path() / "no-such-file.bin";
    try {
        FileStream f(path, FileStream::Mode::Read);
        FAIL() << "opened a missing file";
    } catch (const velmora::EFOpenError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + path.string());
    }
}

TEST(FileStream, RoundTripsBytesAndKnowsItsSize) {
    velmora::testing::TempFolder folder;
    const auto path = folder.Path() / "stream.bin";
    {
        FileStream f(path, FileStream::Mode::Create);
        f.WriteBuffer("hello", 5);
        EXPECT_EQ(f.Size(), 5);
        f.Close();
    }
    FileStream f(path, FileStream::Mode::Read);
    char out[5];
    f.ReadBuffer(out, 5);
    EXPECT_EQ(std::string(out, 5), "hello");
    EXPECT_EQ(f.Position(), 5);
    EXPECT_THROW(f.ReadBuffer(out, 1), velmora::EReadError);
}
