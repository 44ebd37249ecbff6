#include "framework/ui/class_record.h"

#include "framework/ui/application.h"
#include "framework/ui/bevel_button.h"
#include "framework/ui/label.h"
#include "framework/ui/menu_bar.h"
#include "framework/ui/quit_menu_item.h"
#include "framework/ui/rectangle.h"
#include "framework/ui/runtime_observer.h"
#include "framework/ui/text_field.h"
#include "framework/ui/window.h"

namespace framework {
namespace {

std::vector<std::unique_ptr<ClassRecord>>& Records() {
  static std::vector<std::unique_ptr<ClassRecord>> records;
  return records;
}

std::vector<const ClassRecord*>& BuildOrder() {
  static std::vector<const ClassRecord*> order;
  return order;
}

}  // namespace

const ClassRecord& BuildClassRecord(const ClassRecord*& slot, std::string runtimeName,
                                    const ClassRecord* parent,
                                    std::vector<std::string> operations) {
  if (slot) return *slot;
  auto record = std::make_unique<ClassRecord>(
      ClassRecord{std::move(runtimeName), parent, std::move(operations)});
  slot = record.get();
  Records().push_back(std::move(record));
  BuildOrder().push_back(slot);
  NotifyRuntimeObserver("class " + slot->runtimeName);
  return *slot;
}

const std::vector<const ClassRecord*>& ClassRecordsInBuildOrder() { return BuildOrder(); }

void RuntimeInitializeFrameworkClasses() {
  Application::Lookup();
  Window::Lookup();
  InitializeWindowList();
  MenuItem::Lookup();
  MenuBar::Lookup();
  QuitMenuItem::Lookup();
  RectControl::Lookup();
  Label::Lookup();
  BevelButton::Lookup();
  TextField::Lookup();
  Rectangle::Lookup();
}

}  // namespace framework
