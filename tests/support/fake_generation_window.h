#pragma once

#include <optional>
#include <string>
#include <vector>

#include "script_generation/generation_window.h"

namespace yorvane {

// The three things a generation run uses of the window, recorded for tests.
class FakeGenerationWindow : public GenerationWindow {
 public:
  const std::optional<framework::FolderItem>& gTabFile() const override { return list; }
  framework::String pageplusText() const override {
    ++pageplusReads;
    return pageplus;
  }
  void SetST1(const framework::String& message) override { messages.push_back(message); }

  std::optional<framework::FolderItem> list;
  framework::String pageplus = "0";
  mutable int pageplusReads = 0;
  std::vector<std::string> messages;
};

}  // namespace yorvane
