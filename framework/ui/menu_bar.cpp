#include "framework/ui/menu_bar.h"

#include "framework/ui/runtime_observer.h"

namespace framework {

MenuBar::~MenuBar() { NotifyRuntimeObserver("menu bar released " + Class().runtimeName); }

const ClassRecord& MenuBar::Lookup() {
  static const ClassRecord* record = nullptr;
  return BuildClassRecord(record, "MenuBar", &MenuItem::Lookup());
}

}  // namespace framework
