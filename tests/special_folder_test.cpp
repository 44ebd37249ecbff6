#include "framework/special_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "tests/support/scoped_environment.h"
#include "tests/support/scoped_temp_dir.h"

namespace framework {
namespace {

namespace fs = std::filesystem;

std::optional<std::string> PathOf(const std::optional<FolderItem>& item) {
  if (!item) return std::nullopt;
  return item->AbsolutePath();
}

#if defined(__APPLE__)

TEST(SpecialFolderTest, PreferencesIsTheLibraryFolderOfHome) {
  ScopedEnvironment home("HOME", "/Users/tester");
  EXPECT_EQ(PathOf(SpecialFolder::Preferences()), "/Users/tester/Library/Preferences");
}

#else

// Preferences makes the folder it finds, so every case finds one inside the
// test's own folder; the home folder's rules, the user database's entry
// among them, are home_folder_test's.
TEST(SpecialFolderTest, PreferencesFollowsTheConfigurationFolderRules) {
  ScopedTempDir dir;
  const std::string config = (dir.Path() / "config").string();
  const std::string home = (dir.Path() / "home").string();
  struct Case {
    std::optional<std::string> configHome;  // none: unset
    std::optional<std::string> home;        // none: unset
    std::string expected;
  };
  const Case cases[] = {
      {config, home, config},         {std::nullopt, home, home + "/.config"},
      {"", home, home + "/.config"},  {"relative/config", home, home + "/.config"},
      {config, std::nullopt, config},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("XDG_CONFIG_HOME=" + c.configHome.value_or("(unset)") +
                 " HOME=" + c.home.value_or("(unset)"));
    ScopedEnvironment configHome("XDG_CONFIG_HOME", c.configHome ? c.configHome->c_str() : nullptr);
    ScopedEnvironment homeVariable("HOME", c.home ? c.home->c_str() : nullptr);
    EXPECT_EQ(PathOf(SpecialFolder::Preferences()), c.expected);
  }
}

fs::perms ModeOf(const fs::path& folder) { return fs::status(folder).permissions(); }

// The first program run on a fresh account finds no configuration folder.
TEST(SpecialFolderTest, MissingPreferencesFolderIsMadePrivateWithItsParents) {
  ScopedTempDir dir;
  const fs::path home = dir.Path() / "home";
  fs::create_directory(home);
  fs::permissions(home, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                            fs::perms::others_read | fs::perms::others_exec);
  const fs::perms homeMode = ModeOf(home);
  struct Case {
    const char* name;
    std::optional<fs::path> configHome;  // none: unset
    fs::path expected;
  };
  const Case cases[] = {
      {"no .config in home", std::nullopt, home / ".config"},
      {"missing XDG_CONFIG_HOME", home / "xdg" / "config", home / "xdg" / "config"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScopedEnvironment configHome("XDG_CONFIG_HOME", c.configHome ? c.configHome->c_str() : nullptr);
    ScopedEnvironment homeVariable("HOME", home.c_str());
    EXPECT_EQ(PathOf(SpecialFolder::Preferences()), c.expected.string());
    ASSERT_TRUE(fs::is_directory(c.expected));
    for (fs::path folder = c.expected; folder != home; folder = folder.parent_path()) {
      EXPECT_EQ(ModeOf(folder), fs::perms::owner_all) << folder;
    }
    EXPECT_EQ(ModeOf(home), homeMode);
    // A folder that exists keeps its mode.
    fs::permissions(c.expected, fs::perms::group_read | fs::perms::group_exec,
                    fs::perm_options::add);
    const fs::perms widened = ModeOf(c.expected);
    SpecialFolder::Preferences();
    EXPECT_EQ(ModeOf(c.expected), widened);
  }
}

TEST(SpecialFolderTest, PreferencesFolderThatCannotBeMadeIsStillGiven) {
  ScopedTempDir dir;
  std::string configHome = dir.WriteFile("file", "not a folder") + "/config";
  ScopedEnvironment variable("XDG_CONFIG_HOME", configHome.c_str());
  EXPECT_EQ(PathOf(SpecialFolder::Preferences()), configHome);
  EXPECT_FALSE(fs::exists(configHome));
}

#endif

}  // namespace
}  // namespace framework
