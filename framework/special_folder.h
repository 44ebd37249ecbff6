#pragma once

#include <optional>

#include "framework/folder_item.h"

namespace framework {

// The user's well-known folders.
class SpecialFolder {
 public:
  // The folder for the user's preference files: ~/Library/Preferences on the
  // Mac; elsewhere the user's configuration folder, $XDG_CONFIG_HOME when it
  // is an absolute path, else $HOME/.config. The home folder comes from $HOME
  // when that is an absolute path, else from the user database. None when no
  // home folder can be found. Away from the Mac a missing folder is made, with
  // the folders above it, each new one with mode 0700; a folder that exists
  // keeps its mode. A folder that cannot be made is given all the same: a
  // caller that writes into it finds out by the failure to create its file.
  static std::optional<FolderItem> Preferences();
};

}  // namespace framework
