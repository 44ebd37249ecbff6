#pragma once

#include "framework/ui/menu_item.h"

namespace framework {

// The bar whose children are the menus. One bar may serve the application
// and any number of windows at once; they share it through shared_ptr.
class MenuBar : public MenuItem {
 public:
  MenuBar() : MenuBar(Lookup()) {}
  // For a subclass: `record` is the subclass's own.
  explicit MenuBar(const ClassRecord& record) : record_(record) {}
  ~MenuBar() override;

  static const ClassRecord& Lookup();
  const ClassRecord& Class() const override { return record_; }

 private:
  const ClassRecord& record_;
};

}  // namespace framework
