#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "framework/text.h"
#include "framework/ui/class_record.h"

namespace framework {

// A menu or an item of a menu; a menu's items are its children. The text
// "-" makes the item a separator line.
class MenuItem {
 public:
  MenuItem();
  virtual ~MenuItem();
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  static const ClassRecord& Lookup();
  virtual const ClassRecord& Class() const { return Lookup(); }

  const String& Name() const { return name_; }
  void SetName(std::string_view name) { name_ = name; }
  const String& Text() const { return text_; }
  void SetText(std::string_view text) { text_ = text; }
  // "Cmd+Q" and the like, "Cmd" being the platform's command key; none
  // when never set, which differs from the empty text only in being unset.
  const std::optional<String>& KeyboardShortcut() const { return keyboardShortcut_; }
  void SetKeyboardShortcut(std::string_view shortcut) { keyboardShortcut_ = String(shortcut); }
  // With AutoEnable the framework enables the item whenever it can act
  // (CanAct); otherwise Enabled decides.
  bool AutoEnable() const { return autoEnable_; }
  void SetAutoEnable(bool autoEnable) { autoEnable_ = autoEnable; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  bool IsSeparator() const { return text_ == "-"; }

  // Adds `item` after the children already there; this item owns it.
  void Append(std::unique_ptr<MenuItem> item);
  int32_t Count() const { return static_cast<int32_t>(children_.size()); }
  // The child at `index` (from 0); nullptr outside the range.
  MenuItem* Item(int32_t index) const;
  // The first child named `name`; nullptr when there is none.
  MenuItem* Child(std::string_view name) const;
  // The first item named `name` at any depth below this one, each child
  // before the children's own items; nullptr when there is none.
  MenuItem* ItemNamed(std::string_view name) const;

  // Whether choosing the item would do something now.
  virtual bool CanAct() const;
  // Runs the item's command; false when nothing handled it. An item named
  // for one of the standard edit commands (EditUndo, EditCut, EditCopy,
  // EditPaste, EditClear, EditSelectAll) runs it on the focused text field.
  virtual bool Action();

 private:
  String name_;
  String text_;
  std::optional<String> keyboardShortcut_;
  bool autoEnable_ = false;
  bool enabled_ = true;
  std::vector<std::unique_ptr<MenuItem>> children_;
};

}  // namespace framework
