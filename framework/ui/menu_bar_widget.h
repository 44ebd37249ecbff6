#pragma once

#include <memory>

#include "framework/ui/menu_bar.h"

class QMenuBar;
class QWidget;

namespace framework {

// The toolkit's menu bar for `bar`, a child of `parent`: one menu per child
// of the bar, one action per item, separator lines for "-". Before a menu
// shows, its items with AutoEnable are enabled as they can act. Choosing an
// item runs its Action; the bar itself is reached through a weak reference,
// so a choice after the bar is gone does nothing.
QMenuBar* BuildMenuBarWidget(const std::shared_ptr<MenuBar>& bar, QWidget* parent);

}  // namespace framework
