#include "app/window_position.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>

#include "app/window1.h"
#include "framework/ui/runtime.h"
#include "tests/support/extended_attributes.h"
#include "tests/support/scoped_environment.h"
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

// A fresh working folder for each test, where the bare name "yorvane.pref"
// lands; one that keeps extended attributes where the machine has one.
class WindowPositionFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = FolderKeepingExtendedAttributes();
    keepsExtendedAttributes_ = dir_ != nullptr;
    if (!dir_) dir_ = std::make_unique<ScopedTempDir>();
    dir_->EnterAsWorkingDirectory();
  }

  std::unique_ptr<ScopedTempDir> dir_;
  bool keepsExtendedAttributes_ = false;
};

class ReadWindowPositionTest : public WindowPositionFileTest,
                               public ::testing::WithParamInterface<PositionCase> {};

TEST_P(ReadWindowPositionTest, ReadsTwoLinesWithLowerBounds) {
  if (GetParam().text) dir_->WriteFile("yorvane.pref", GetParam().text);
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

TEST_F(WindowPositionFileTest, FolderInPlaceOfTheFileIsNoPosition) {
  std::filesystem::create_directory(dir_->Path() / "yorvane.pref");
  EXPECT_FALSE(ReadWindowPosition(FolderItem("yorvane.pref")).has_value());
}

TEST_F(WindowPositionFileTest, WritesTwoDecimalLinesThatReadBack) {
  dir_->WriteFile("yorvane.pref", "1\n2\n3\n4\n");
  FolderItem file("yorvane.pref");
  WriteWindowPosition(file, {-20, 45});
  EXPECT_EQ(dir_->ReadFile("yorvane.pref"), "-20\n45\n");
  WriteWindowPosition(file, {300, 500});
  EXPECT_EQ(ReadWindowPosition(file)->left, 300);
}

TEST_F(WindowPositionFileTest, WrittenFileHasTheTypePref) {
  if (!keepsExtendedAttributes_) GTEST_SKIP() << "no file system here keeps the Mac file type";
  FolderItem file("yorvane.pref");
  WriteWindowPosition(file, {20, 45});
  EXPECT_EQ(file.MacType(), "pref");
  // Set on every write, whatever type the file had.
  file.SetMacType("TEXT");
  WriteWindowPosition(file, {20, 45});
  EXPECT_EQ(file.MacType(), "pref");
}

TEST_F(WindowPositionFileTest, UnwritableFileIsLeftAlone) {
  std::filesystem::create_directory(dir_->Path() / "yorvane.pref");
  WriteWindowPosition(FolderItem("yorvane.pref"), {1, 2});
  EXPECT_TRUE(std::filesystem::is_directory(dir_->Path() / "yorvane.pref"));
}

TEST(PreferenceFileTest, LiesInTheUsersConfigurationFolder) {
  ScopedTempDir dir;
  ScopedEnvironment configHome("XDG_CONFIG_HOME", dir.Path().c_str());
  std::optional<FolderItem> file = PreferenceFile();
  ASSERT_TRUE(file.has_value());
#ifndef __APPLE__
  EXPECT_EQ(file->AbsolutePath(), (dir.Path() / "yorvane.pref").string());
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

struct FirstRunCase {
  const char* name;
  const char* configHome;  // inside the test's folder; nullptr: unset
  const char* file;        // where the position is kept, inside the test's folder; nullptr: nowhere
};

void PrintTo(const FirstRunCase& c, std::ostream* out) { *out << c.name; }

// The program on a fresh account: a home folder, but no configuration folder
// yet. The test's folder holds a plain file "file" too.
class FirstRunTest : public StartedProgram, public ::testing::WithParamInterface<FirstRunCase> {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(dir_.Path() / "home");
    dir_.WriteFile("file", "");
    home_.emplace("HOME", (dir_.Path() / "home").c_str());
    configHome_.emplace("XDG_CONFIG_HOME", GetParam().configHome
                                               ? (dir_.Path() / GetParam().configHome).c_str()
                                               : nullptr);
    StartedProgram::SetUp();
  }

  ScopedTempDir dir_;
  std::optional<ScopedEnvironment> home_;
  std::optional<ScopedEnvironment> configHome_;
};

TEST_P(FirstRunTest, ClosingKeepsThePositionAndQuits) {
  window_->SetLeft(140);
  window_->SetTop(300);
  window_->Close();
  EXPECT_TRUE(framework::QuitRequested());
  EXPECT_TRUE(reports_.empty());
  if (GetParam().file) {
    EXPECT_EQ(ScopedTempDir::ReadAll(dir_.Path() / GetParam().file), "140\n300\n");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Accounts, FirstRunTest,
    ::testing::Values(FirstRunCase{"NoConfigurationFolderInHome", nullptr,
                                   "home/.config/yorvane.pref"},
                      FirstRunCase{"MissingConfigHome", "xdg/config", "xdg/config/yorvane.pref"},
                      // A folder that cannot be made keeps no position.
                      FirstRunCase{"ConfigHomeInsideAFile", "file/config", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

}  // namespace yorvane
