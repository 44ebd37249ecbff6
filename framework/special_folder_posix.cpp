#include "framework/home_folder.h"
#include "framework/special_folder.h"

namespace framework {

std::optional<FolderItem> SpecialFolder::Preferences() {
  // A relative XDG_CONFIG_HOME is invalid and must be ignored.
  if (std::optional<std::string> configHome = AbsolutePathFromEnvironment("XDG_CONFIG_HOME")) {
    return FolderItem(*configHome);
  }
  std::optional<std::string> home = HomeFolder();
  if (!home) return std::nullopt;
  return FolderItem(*home + "/.config");
}

}  // namespace framework
