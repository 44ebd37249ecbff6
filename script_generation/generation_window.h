#pragma once

#include <optional>

#include "framework/folder_item.h"
#include "framework/text.h"

namespace yorvane {

// What a generation run uses of the main window, and nothing more.
class GenerationWindow {
 public:
  virtual ~GenerationWindow() = default;

  // The chosen bookmark list, none until the user chooses one.
  virtual const std::optional<framework::FolderItem>& gTabFile() const = 0;
  // The current text of the page-offset field.
  virtual framework::String pageplusText() const = 0;
  // Shows `message` in the status line and repaints it at once.
  virtual void SetST1(const framework::String& message) = 0;
};

}  // namespace yorvane
