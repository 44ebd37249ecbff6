#include "framework/special_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace framework {
namespace {

bool IsAbsolute(const char* path) { return path != nullptr && path[0] == '/'; }

std::optional<std::string> HomeFolder() {
  const char* home = std::getenv("HOME");
  if (IsAbsolute(home)) return std::string(home);

  long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(suggested > 0 ? static_cast<size_t>(suggested) : 16384);
  struct passwd entry;
  struct passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr ||
      !IsAbsolute(found->pw_dir)) {
    return std::nullopt;
  }
  return std::string(found->pw_dir);
}

}  // namespace

std::optional<FolderItem> SpecialFolder::Preferences() {
#if defined(__APPLE__)
  std::optional<std::string> home = HomeFolder();
  if (!home) return std::nullopt;
  return FolderItem(*home + "/Library/Preferences");
#else
  // A relative XDG_CONFIG_HOME is invalid and must be ignored.
  const char* configHome = std::getenv("XDG_CONFIG_HOME");
  if (IsAbsolute(configHome)) return FolderItem(configHome);
  std::optional<std::string> home = HomeFolder();
  if (!home) return std::nullopt;
  return FolderItem(*home + "/.config");
#endif
}

}  // namespace framework
