#include "app/window_position.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <optional>

#include "tests/support/scoped_temp_dir.h"

namespace {

using framework::FolderItem;

struct PositionCase {
  const char* name;
  const char* text;  // nullptr: no file
  std::optional<WindowPosition> position;
};

void PrintTo(const PositionCase& c, std::ostream* out) { *out << c.name; }

class ReadWindowPositionTest : public ::testing::TestWithParam<PositionCase> {};

TEST_P(ReadWindowPositionTest, ReadsTwoLinesWithLowerBounds) {
  ScopedTempDir dir;
  dir.EnterAsWorkingDirectory();
  if (GetParam().text) dir.WriteFile("yorvane.pref", GetParam().text);
  std::optional<WindowPosition> position = ReadWindowPosition(FolderItem("yorvane.pref"));
  ASSERT_EQ(position.has_value(), GetParam().position.has_value());
  if (position) {
    EXPECT_EQ(position->left, GetParam().position->left);
    EXPECT_EQ(position->top, GetParam().position->top);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadWindowPositionTest,
    ::testing::Values(PositionCase{"Kept", "120\n300\n", WindowPosition{120, 300}},
                      PositionCase{"RaisedToTheBounds", "5\n20\n", WindowPosition{10, 40}},
                      PositionCase{"Negative", "-50\n-7\n", WindowPosition{10, 40}},
                      PositionCase{"NoUpperBound", "3000\n2000\n", WindowPosition{3000, 2000}},
                      PositionCase{"EachBoundOnItsOwn", "0\n200\n", WindowPosition{10, 200}},
                      PositionCase{"LinesAfterTheSecondIgnored", "50\n60\n70\nx\n",
                                   WindowPosition{50, 60}},
                      PositionCase{"NotNumbers", "left\ntop\n", WindowPosition{10, 40}},
                      PositionCase{"OneLine", "77", WindowPosition{77, 40}},
                      PositionCase{"CarriageReturns", "30\r90\r", WindowPosition{30, 90}},
                      PositionCase{"NoFile", nullptr, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadWindowPositionTest, FolderInPlaceOfTheFileIsNoPosition) {
  ScopedTempDir dir;
  dir.EnterAsWorkingDirectory();
  std::filesystem::create_directory(dir.Path() / "yorvane.pref");
  EXPECT_FALSE(ReadWindowPosition(FolderItem("yorvane.pref")).has_value());
}

TEST(WriteWindowPositionTest, WritesTwoDecimalLinesThatReadBack) {
  ScopedTempDir dir;
  dir.EnterAsWorkingDirectory();
  dir.WriteFile("yorvane.pref", "1\n2\n3\n4\n");
  FolderItem file("yorvane.pref");
  WriteWindowPosition(file, {-20, 45});
  EXPECT_EQ(dir.ReadFile("yorvane.pref"), "-20\n45\n");
  std::string macType = file.MacType();
  if (!macType.empty()) {
    EXPECT_EQ(macType, "pref");
  }
  WriteWindowPosition(file, {300, 500});
  EXPECT_EQ(ReadWindowPosition(file)->left, 300);
}

TEST(WriteWindowPositionTest, UnwritableFileIsLeftAlone) {
  ScopedTempDir dir;
  dir.EnterAsWorkingDirectory();
  std::filesystem::create_directory(dir.Path() / "yorvane.pref");
  WriteWindowPosition(FolderItem("yorvane.pref"), {1, 2});
  EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "yorvane.pref"));
}

TEST(PreferenceFileTest, LiesInTheUsersConfigurationFolder) {
  const char* saved = getenv("XDG_CONFIG_HOME");
  std::string previous = saved ? saved : "";
  setenv("XDG_CONFIG_HOME", "/tmp/yorvane-config", 1);
  std::optional<FolderItem> file = PreferenceFile();
  saved ? setenv("XDG_CONFIG_HOME", previous.c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
  ASSERT_TRUE(file.has_value());
#ifndef __APPLE__
  EXPECT_EQ(file->AbsolutePath(), "/tmp/yorvane-config/yorvane.pref");
#endif
}

}  // namespace
