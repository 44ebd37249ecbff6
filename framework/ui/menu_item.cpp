#include "framework/ui/menu_item.h"

#include "framework/ui/text_field.h"

namespace framework {

MenuItem::MenuItem() = default;
MenuItem::~MenuItem() = default;

const ClassRecord& MenuItem::Lookup() {
  static const ClassRecord* record = nullptr;
  return BuildClassRecord(record, "MenuItem", nullptr);
}

void MenuItem::Append(std::unique_ptr<MenuItem> item) { children_.push_back(std::move(item)); }

MenuItem* MenuItem::Item(int32_t index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return children_[static_cast<size_t>(index)].get();
}

MenuItem* MenuItem::Child(std::string_view name) const {
  for (const auto& child : children_) {
    if (child->Name() == name) return child.get();
  }
  return nullptr;
}

MenuItem* MenuItem::ItemNamed(std::string_view name) const {
  if (MenuItem* child = Child(name)) return child;
  for (const auto& child : children_) {
    if (MenuItem* item = child->ItemNamed(name)) return item;
  }
  return nullptr;
}

bool MenuItem::CanAct() const {
  std::optional<EditCommand> command = EditCommandNamed(name_);
  if (!command) return true;
  TextField* field = FocusedTextField();
  return field && field->CanPerform(*command);
}

bool MenuItem::Action() {
  std::optional<EditCommand> command = EditCommandNamed(name_);
  TextField* field = FocusedTextField();
  if (!command || !field || !field->CanPerform(*command)) return false;
  field->Perform(*command);
  return true;
}

}  // namespace framework
