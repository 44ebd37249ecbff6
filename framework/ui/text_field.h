#pragma once

#include <optional>
#include <string_view>

#include "framework/ui/text_control.h"

namespace framework {

class LineEditWidget;

// The standard edit commands, which the Edit menu's items stand for.
enum class EditCommand { kUndo, kCut, kCopy, kPaste, kClear, kSelectAll };

// The command a menu item of that name stands for: EditUndo, EditCut,
// EditCopy, EditPaste, EditClear, EditSelectAll; none for any other name.
std::optional<EditCommand> EditCommandNamed(std::string_view menuItemName);

// A one-line text field. LimitText 0 is no limit; Alignment 0 and 1 left,
// 2 centred, 3 right.
class TextField : public TextControl {
 public:
  explicit TextField(Window& window);
  ~TextField() override;

  static const ClassRecord& Lookup();
  const ClassRecord& Class() const override { return Lookup(); }

  String Text() const;
  void SetText(std::string_view text);
  bool ReadOnly() const;
  void SetReadOnly(bool on);
  bool Password() const;
  void SetPassword(bool on);
  int32_t LimitText() const { return limitText_; }
  void SetLimitText(int32_t limit);
  int32_t Alignment() const { return alignment_; }
  void SetAlignment(int32_t alignment);
  String CueText() const;
  void SetCueText(std::string_view cueText);
  bool Border() const;
  void SetBorder(bool on);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool on);
  void SetBackColor(framework::Color color);

  // Whether `command` would change or copy something now: cut and copy
  // need a selection (and no password), cut, paste and clear an editable
  // field, paste text on the clipboard, undo something to undo, select
  // all some text.
  bool CanPerform(EditCommand command) const;
  void Perform(EditCommand command);

 protected:
  void DescribeProperties(PropertyTable& table) override;

 private:
  LineEditWidget* edit_;
  int32_t limitText_ = 0;
  int32_t alignment_ = 0;
  bool tabStop_ = true;
};

// The text field that has the keyboard focus; nullptr when the focus is
// elsewhere.
TextField* FocusedTextField();

}  // namespace framework
