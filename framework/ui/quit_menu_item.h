#pragma once

#include "framework/ui/menu_item.h"

namespace framework {

// The item that quits: its Action runs QuitMenuAction.
class QuitMenuItem : public MenuItem {
 public:
  static const ClassRecord& Lookup();
  const ClassRecord& Class() const override { return Lookup(); }

  bool CanAct() const override { return true; }
  bool Action() override;
};

}  // namespace framework
