#include "framework/text_input_stream.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "framework/folder_item.h"
#include "tests/support/scoped_temp_dir.h"

namespace {

using LineList = std::vector<std::string>;

// Every line the stream gives, read as a generation reads them: the first
// line always, then until the end.
LineList Lines(std::string text) {
  framework::TextInputStream stream(std::move(text));
  LineList lines;
  do {
    lines.push_back(stream.ReadLine());
  } while (!stream.EndOfFile());
  return lines;
}

TEST(TextInputStreamTest, LinesEndAtLfCrOrCrlf) {
  struct Case {
    const char* text;
    LineList lines;
  } cases[] = {
      {"", {""}},
      {"a", {"a"}},
      {"a\n", {"a"}},
      {"a\nb", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\n\nb", {"a", "", "b"}},
      {"a\r\r\n", {"a", ""}},
      {"a\n\r", {"a", ""}},
  };
  for (const Case& c : cases) EXPECT_EQ(Lines(c.text), c.lines) << '"' << c.text << '"';
}

TEST(TextInputStreamTest, ReadingPastTheEndGivesEmptyText) {
  framework::TextInputStream stream("a");
  EXPECT_EQ(stream.ReadLine(), "a");
  EXPECT_TRUE(stream.EndOfFile());
  EXPECT_EQ(stream.ReadLine(), "");
}

TEST(TextInputStreamTest, OpensRegularFilesAndLinksToThemOnly) {
  ScopedTempDir dir;
  dir.EnterAsWorkingDirectory();
  EXPECT_EQ(framework::FolderItem("missing.txt").OpenAsTextFile(), nullptr);
  EXPECT_EQ(framework::FolderItem(dir.Path().string()).OpenAsTextFile(), nullptr);
  EXPECT_EQ(framework::FolderItem("/dev/null").OpenAsTextFile(), nullptr);
  EXPECT_NE(framework::FolderItem(dir.WriteFile("a.txt", "x")).OpenAsTextFile(), nullptr);
  std::filesystem::create_symlink("a.txt", dir.Path() / "link.txt");
  EXPECT_NE(framework::FolderItem("link.txt").OpenAsTextFile(), nullptr);
}

}  // namespace
