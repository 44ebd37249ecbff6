#include "framework/text_output_stream.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "framework/errors.h"
#include "tests/support/scoped_temp_dir.h"

namespace {

using framework::FolderItem;
using framework::TextOutputStream;

size_t FileCount(const std::filesystem::path& folder) {
  return std::distance(std::filesystem::directory_iterator(folder), {});
}

TEST(TextOutputStreamTest, CreatedFileAppearsOnlyWhenClosed) {
  ScopedTempDir dir;
  dir.EnterAsWorkingDirectory();
  dir.WriteFile("out.txt", "old");
  auto stream = TextOutputStream::Create(FolderItem("out.txt"));
  EXPECT_TRUE(stream->UseIOExceptions);
  stream->Write("new");
  EXPECT_EQ(dir.ReadFile("out.txt"), "old");
  stream->Close();
  EXPECT_EQ(dir.ReadFile("out.txt"), "new");
  EXPECT_EQ(FileCount(dir.Path()), 1u);
}

TEST(TextOutputStreamTest, PiecesAreWrittenInOrder) {
  ScopedTempDir dir;
  dir.EnterAsWorkingDirectory();
  auto stream = TextOutputStream::Create(FolderItem("out.txt"));
  const std::string large(1 << 20, 'x');
  stream->Write({"a", "", large, "b"});
  stream->Close();
  EXPECT_EQ(dir.ReadFile("out.txt"), "a" + large + "b");
}

TEST(TextOutputStreamTest, StreamReleasedWithoutCloseLeavesTheFileAndNoTrace) {
  ScopedTempDir dir;
  dir.EnterAsWorkingDirectory();
  dir.WriteFile("out.txt", "old");
  TextOutputStream::Create(FolderItem("out.txt"))->Write("new");
  EXPECT_EQ(dir.ReadFile("out.txt"), "old");
  EXPECT_EQ(FileCount(dir.Path()), 1u);
}

TEST(TextOutputStreamTest, CreateInAMissingFolderRaisesWithTheReason) {
  ScopedTempDir dir;
  dir.EnterAsWorkingDirectory();
  try {
    TextOutputStream::Create(FolderItem("no/such/out.txt"));
    FAIL() << "no IOException";
  } catch (const framework::IOException& error) {
    EXPECT_EQ(error.ErrorNumber(), ENOENT);
    EXPECT_NE(error.Message().find("out.txt"), std::string::npos) << error.Message();
  }
}

TEST(TextOutputStreamTest, CreateTextFileWritesInPlaceWithLineFeeds) {
  ScopedTempDir dir;
  dir.EnterAsWorkingDirectory();
  dir.WriteFile("pref", "1\n2\n3\n");
  auto stream = FolderItem("pref").CreateTextFile();
  ASSERT_NE(stream, nullptr);
  EXPECT_FALSE(stream->UseIOExceptions);
  EXPECT_EQ(dir.ReadFile("pref"), "") << "an existing file is emptied";
  stream->WriteLine("10");
  stream->WriteLine("40");
  stream->Close();
  EXPECT_EQ(dir.ReadFile("pref"), "10\n40\n");
  EXPECT_EQ(FolderItem("missing/pref").CreateTextFile(), nullptr);
}

}  // namespace
