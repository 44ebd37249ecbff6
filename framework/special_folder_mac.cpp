#include "framework/home_folder.h"
#include "framework/special_folder.h"

namespace framework {

std::optional<FolderItem> SpecialFolder::Preferences() {
  std::optional<std::string> home = HomeFolder();
  if (!home) return std::nullopt;
  return FolderItem(*home + "/Library/Preferences");
}

}  // namespace framework
