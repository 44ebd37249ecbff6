#pragma once

#include <cstdint>
#include <optional>

#include "framework/folder_item.h"

namespace yorvane {

// Where the main window was when it was last closed, kept in "yorvane.pref"
// as two decimal lines: left, then top.
struct WindowPosition {
  int32_t left = 0;
  int32_t top = 0;
};

// "yorvane.pref" in the user's Preferences folder; none when there is no
// Preferences folder.
std::optional<framework::FolderItem> PreferenceFile();

// The position kept in `file`, raised to at least 10 (left) and 40 (top), so
// the title bar stays reachable; none when the file is missing or unreadable.
// Lines after the second are ignored; a line that is no number reads as 0.
std::optional<WindowPosition> ReadWindowPosition(const framework::FolderItem& file);

// Writes `position` to `file`, which gets the Mac file type "pref". Reports
// nothing: a file that cannot be written keeps no position.
void WriteWindowPosition(const framework::FolderItem& file, WindowPosition position);

}  // namespace yorvane
