#include "framework/text_output_stream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/errors.h"
#include "tests/support/scoped_temp_dir.h"

namespace {

using framework::FolderItem;
using framework::TextOutputStream;

class TextOutputStreamTest : public ::testing::Test {
 protected:
  TextOutputStreamTest() { dir_.EnterAsWorkingDirectory(); }

  std::vector<std::string> FileNames() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir_.Path())) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  ScopedTempDir dir_;
};

TEST_F(TextOutputStreamTest, CreatedFileAppearsOnlyWhenClosed) {
  dir_.WriteFile("out.txt", "old");
  auto stream = TextOutputStream::Create(FolderItem("out.txt"));
  EXPECT_TRUE(stream->UseIOExceptions);
  stream->Write("new");
  EXPECT_EQ(dir_.ReadFile("out.txt"), "old");
  stream->Close();
  EXPECT_EQ(dir_.ReadFile("out.txt"), "new");
  EXPECT_EQ(FileNames(), std::vector<std::string>{"out.txt"});
}

TEST_F(TextOutputStreamTest, PiecesAreWrittenInOrder) {
  auto stream = TextOutputStream::Create(FolderItem("out.txt"));
  const std::string large(1 << 20, 'x');
  stream->Write({"a", "", large, "b"});
  stream->Close();
  EXPECT_EQ(dir_.ReadFile("out.txt"), "a" + large + "b");
}

TEST_F(TextOutputStreamTest, StreamReleasedWithoutCloseLeavesTheFileAndNoTrace) {
  dir_.WriteFile("out.txt", "old");
  TextOutputStream::Create(FolderItem("out.txt"))->Write("new");
  EXPECT_EQ(dir_.ReadFile("out.txt"), "old");
  EXPECT_EQ(FileNames(), std::vector<std::string>{"out.txt"});
}

TEST_F(TextOutputStreamTest, CreateInAMissingFolderRaisesWithTheReason) {
  try {
    TextOutputStream::Create(FolderItem("no/such/out.txt"));
    FAIL() << "no IOException";
  } catch (const framework::IOException& error) {
    EXPECT_EQ(error.ErrorNumber(), ENOENT);
    EXPECT_NE(error.Message().find("out.txt"), std::string::npos) << error.Message();
  }
}

TEST_F(TextOutputStreamTest, CreateTextFileWritesInPlaceWithLineFeeds) {
  dir_.WriteFile("pref", "1\n2\n3\n");
  auto stream = FolderItem("pref").CreateTextFile();
  ASSERT_NE(stream, nullptr);
  EXPECT_FALSE(stream->UseIOExceptions);
  EXPECT_EQ(dir_.ReadFile("pref"), "") << "an existing file is emptied";
  stream->WriteLine("10");
  stream->WriteLine("40");
  stream->Close();
  EXPECT_EQ(dir_.ReadFile("pref"), "10\n40\n");
  EXPECT_EQ(FolderItem("missing/pref").CreateTextFile(), nullptr);
}

}  // namespace
