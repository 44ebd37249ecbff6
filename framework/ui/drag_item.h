#pragma once

#include <optional>

#include "framework/folder_item.h"

namespace framework {

// One item of a drag that reached a control.
class DragItem {
 public:
  DragItem() = default;
  explicit DragItem(framework::FolderItem item) : folderItem_(std::move(item)) {}

  bool FolderItemAvailable() const { return folderItem_.has_value(); }
  // The dragged file or folder; none when the item carries none.
  const std::optional<framework::FolderItem>& FolderItem() const { return folderItem_; }

 private:
  std::optional<framework::FolderItem> folderItem_;
};

}  // namespace framework
