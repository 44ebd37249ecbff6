#pragma once

#include <optional>
#include <string>

#include "framework/folder_item.h"
#include "script_generation/generation_window.h"

// The window a benchmark runs a generation in: a fixed list, an offset of 0,
// and the last status message kept so that a run can be checked.
class BenchWindow : public yorvane::GenerationWindow {
 public:
  explicit BenchWindow(const std::string& listPath) : list_(framework::FolderItem(listPath)) {}

  const std::optional<framework::FolderItem>& gTabFile() const override { return list_; }
  framework::String pageplusText() const override { return "0"; }
  void SetST1(const framework::String& message) override { status_ = message; }

  const std::string& Status() const { return status_; }

 private:
  std::optional<framework::FolderItem> list_;
  std::string status_;
};
