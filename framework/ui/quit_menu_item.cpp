#include "framework/ui/quit_menu_item.h"

#include "framework/ui/runtime.h"

namespace framework {

const ClassRecord& QuitMenuItem::Lookup() {
  static const ClassRecord* record = nullptr;
  return BuildClassRecord(record, "QuitMenuItem", &MenuItem::Lookup());
}

bool QuitMenuItem::Action() { return QuitMenuAction(); }

}  // namespace framework
