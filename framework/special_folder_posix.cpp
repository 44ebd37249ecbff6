#include <sys/stat.h>

#include <cerrno>
#include <string>

#include "framework/home_folder.h"
#include "framework/special_folder.h"

namespace framework {
namespace {

// Makes `path` with the folders above it that are missing, each new one with
// `mode`; a folder that exists keeps its own. Stops at the first folder that
// cannot be made.
void MakeFolderWithParents(const std::string& path, mode_t mode) {
  struct stat info;
  if (stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) return;
  size_t end = 0;
  do {
    end = path.find('/', end + 1);
    if (mkdir(path.substr(0, end).c_str(), mode) != 0 && errno != EEXIST) return;
  } while (end != std::string::npos);
}

std::optional<std::string> ConfigurationFolder() {
  // A relative XDG_CONFIG_HOME is invalid and must be ignored.
  if (std::optional<std::string> configHome = AbsolutePathFromEnvironment("XDG_CONFIG_HOME")) {
    return configHome;
  }
  std::optional<std::string> home = HomeFolder();
  if (!home) return std::nullopt;
  return *home + "/.config";
}

}  // namespace

std::optional<FolderItem> SpecialFolder::Preferences() {
  std::optional<std::string> folder = ConfigurationFolder();
  if (!folder) return std::nullopt;
  // The XDG base directory rules ask for a missing folder to be made, private
  // to the user, before a file is written into it.
  MakeFolderWithParents(*folder, 0700);
  return FolderItem(*folder);
}

}  // namespace framework
