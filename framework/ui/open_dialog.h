#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "framework/folder_item.h"
#include "framework/text.h"

namespace framework {

class Window;

// The platform's dialog for choosing one existing file, over `owner`.
class OpenDialog {
 public:
  explicit OpenDialog(Window& owner) : owner_(owner) {}

  const String& Title() const { return title_; }
  void SetTitle(std::string_view title) { title_ = title; }
  // The name of a registered file type; the dialog offers files with its
  // extensions, in any case. Empty: every file.
  const String& Filter() const { return filter_; }
  void SetFilter(std::string_view typeName) { filter_ = typeName; }

  // Shows the dialog and waits until it is closed: the chosen file, or none
  // when the user cancelled.
  std::optional<FolderItem> ShowModal();

  using Answerer = std::function<std::optional<FolderItem>(const OpenDialog& dialog)>;
  // Answers every dialog with `answerer` instead of showing it; empty shows
  // dialogs again. For tests.
  static void SetAnswerer(Answerer answerer);

 private:
  Window& owner_;
  String title_;
  String filter_;
};

}  // namespace framework
