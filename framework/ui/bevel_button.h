#pragma once

#include <string_view>

#include "framework/ui/text_control.h"

namespace framework {

// A push button with a text caption; a click raises Action (kActionEvent).
// Without AcceptFocus a click leaves the focus where it was, so the Edit
// commands still reach the text field; TabStop lets the keyboard reach it.
class BevelButton : public TextControl {
 public:
  explicit BevelButton(Window& window);

  static const ClassRecord& Lookup();
  const ClassRecord& Class() const override { return Lookup(); }

  String Caption() const;
  void SetCaption(std::string_view caption);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool on);
  bool AcceptFocus() const { return acceptFocus_; }
  void SetAcceptFocus(bool on);
  bool HasBackColor() const { return hasBackColor_; }
  void SetHasBackColor(bool on);
  framework::Color BackColor() const { return backColor_; }
  void SetBackColor(framework::Color color);

  // Clicks the button as the user does.
  void Push();

 protected:
  void DescribeProperties(PropertyTable& table) override;

 private:
  void ApplyFocusPolicy();
  void ApplyBackColor();

  bool tabStop_ = true;
  bool acceptFocus_ = true;
  bool hasBackColor_ = false;
  framework::Color backColor_;
};

}  // namespace framework
