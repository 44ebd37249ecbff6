#pragma once

#include <functional>
#include <string>
#include <vector>

// A message box as the user saw it.
struct ShownMessageBox {
  std::string title;
  std::string text;
  std::string details;
  std::vector<std::string> buttons;  // their captions, Qt's own included
};

// Runs `action`, which may show modal message boxes; answers each as soon as
// it is up and gives them in the order shown.
std::vector<ShownMessageBox> AnswerMessageBoxesDuring(const std::function<void()>& action);
