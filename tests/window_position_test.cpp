#include "app/window_position.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include "app/window1.h"
#include "framework/ui/runtime.h"
#include "tests/support/scoped_temp_dir.h"
#include "tests/support/started_program.h"

namespace yorvane {

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

// The main window with "yorvane.pref" prepared before it opens.
class WindowAtKeptPositionTest : public StartedProgram {
 protected:
  void Start(const std::string& preferences) {
    std::filesystem::path file = PreferenceFile()->AbsolutePath();
    std::filesystem::remove_all(file);
    if (!preferences.empty()) std::ofstream(file) << preferences;
    StartedProgram::SetUp();
  }
  void SetUp() override {}
  void TearDown() override {
    StartedProgram::TearDown();
    std::filesystem::remove_all(PreferenceFile()->AbsolutePath());
  }
};

TEST_F(WindowAtKeptPositionTest, OpensAtTheKeptPositionRaisedToTheBounds) {
  Start("5\n200\n");
  EXPECT_EQ(window_->Left(), 10);
  EXPECT_EQ(window_->Top(), 200);
}

TEST_F(WindowAtKeptPositionTest, ClosingKeepsThePositionAndQuits) {
  Start("120\n300\n");
  window_->SetLeft(140);
  window_->Close();
  EXPECT_TRUE(framework::QuitRequested());
  EXPECT_EQ(ScopedTempDir::ReadAll(PreferenceFile()->AbsolutePath()), "140\n300\n");
}

// A window that could not keep its position must still end the program.
TEST_F(WindowAtKeptPositionTest, FolderInPlaceOfTheFileStillQuits) {
  Start("");
  std::filesystem::create_directory(PreferenceFile()->AbsolutePath());
  window_->Close();
  EXPECT_TRUE(framework::QuitRequested());
  EXPECT_TRUE(reports_.empty());
}

}  // namespace

}  // namespace yorvane
