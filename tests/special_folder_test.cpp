#include "framework/special_folder.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <optional>
#include <string>

#include "tests/support/scoped_environment.h"

namespace framework {
namespace {

std::optional<std::string> UserDatabaseHome() {
  const struct passwd* entry = getpwuid(getuid());
  if (entry == nullptr || entry->pw_dir == nullptr || entry->pw_dir[0] != '/') return std::nullopt;
  return std::string(entry->pw_dir);
}

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

TEST(SpecialFolderTest, PreferencesFollowsTheConfigurationFolderRules) {
  std::optional<std::string> databaseHome = UserDatabaseHome();
  std::optional<std::string> fromDatabase;
  if (databaseHome) fromDatabase = *databaseHome + "/.config";
  struct Case {
    const char* configHome;  // nullptr: unset
    const char* home;        // nullptr: unset
    std::optional<std::string> expected;
  };
  const Case cases[] = {
      {"/srv/config", "/home/tester", "/srv/config"},
      {nullptr, "/home/tester", "/home/tester/.config"},
      {"", "/home/tester", "/home/tester/.config"},
      {"relative/config", "/home/tester", "/home/tester/.config"},
      {"/srv/config", nullptr, "/srv/config"},
      {nullptr, nullptr, fromDatabase},
      {nullptr, "", fromDatabase},
      {nullptr, "relative/home", fromDatabase},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("XDG_CONFIG_HOME=") + (c.configHome ? c.configHome : "(unset)") +
                 " HOME=" + (c.home ? c.home : "(unset)"));
    ScopedEnvironment configHome("XDG_CONFIG_HOME", c.configHome);
    ScopedEnvironment home("HOME", c.home);
    EXPECT_EQ(PathOf(SpecialFolder::Preferences()), c.expected);
  }
}

#endif

}  // namespace
}  // namespace framework
