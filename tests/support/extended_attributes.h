#pragma once

#include <sys/xattr.h>

#include <filesystem>
#include <memory>

#include "tests/support/scoped_temp_dir.h"

// Whether the file system of `folder` keeps extended attributes, the Mac file
// type among them: tried by setting one on the folder.
inline bool KeepsExtendedAttributes(const std::filesystem::path& folder) {
#if defined(__APPLE__)
  return setxattr(folder.c_str(), "com.apple.probe", "x", 1, 0, 0) == 0;
#else
  return setxattr(folder.c_str(), "user.probe", "x", 1, 0) == 0;
#endif
}

// A fresh folder that keeps extended attributes: in the temporary folder, or
// in the working folder (the build folder) where the former refuses, e.g. a
// tmpfs without user attributes. Null when neither keeps them.
inline std::unique_ptr<ScopedTempDir> FolderKeepingExtendedAttributes() {
  for (const std::filesystem::path& parent :
       {std::filesystem::temp_directory_path(), std::filesystem::current_path()}) {
    auto folder = std::make_unique<ScopedTempDir>(parent);
    if (!folder->Path().empty() && KeepsExtendedAttributes(folder->Path())) return folder;
  }
  return nullptr;
}
