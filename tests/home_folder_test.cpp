#include "framework/home_folder.h"

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

TEST(HomeFolderTest, HomeIsAnAbsoluteHomeVariableElseTheUserDatabaseEntry) {
  const std::optional<std::string> database = UserDatabaseHome();
  struct Case {
    std::optional<std::string> home;  // none: unset
    std::optional<std::string> expected;
  };
  const Case cases[] = {
      {"/home/tester", "/home/tester"},
      {std::nullopt, database},
      {"", database},
      {"relative/home", database},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("HOME=" + c.home.value_or("(unset)"));
    ScopedEnvironment home("HOME", c.home ? c.home->c_str() : nullptr);
    EXPECT_EQ(HomeFolder(), c.expected);
  }
}

}  // namespace
}  // namespace framework
