#include "framework/ui/menu_bar_widget.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "framework/ui/qt_conversions.h"
#include "framework/ui/quit_menu_item.h"
#include "framework/ui/unhandled_exception.h"

namespace framework {
namespace {

QString MenuText(const String& text) {
  // An ampersand is shown as it stands, not taken as a mnemonic mark.
  return ToQString(text).replace('&', "&&");
}

// "Cmd" names the platform's command key, which the toolkit calls "Ctrl"
// and shows as the Command key on the Mac.
QKeySequence Shortcut(const std::optional<String>& shortcut) {
  if (!shortcut || shortcut->empty()) return QKeySequence();
  return QKeySequence(ToQString(*shortcut).replace("Cmd", "Ctrl"), QKeySequence::PortableText);
}

void UpdateEnabled(QAction* action, const MenuItem& item) {
  action->setEnabled(item.AutoEnable() ? item.CanAct() : item.Enabled());
}

void AddItem(QMenu* menu, MenuItem& item, const std::weak_ptr<MenuBar>& bar) {
  if (item.IsSeparator()) {
    menu->addSeparator();
    return;
  }
  QAction* action = menu->addAction(MenuText(item.Text()));
  action->setObjectName(ToQString(item.Name()));
  action->setShortcut(Shortcut(item.KeyboardShortcut()));
  action->setMenuRole(dynamic_cast<QuitMenuItem*>(&item) ? QAction::QuitRole : QAction::NoRole);
  MenuItem* itemPointer = &item;
  QObject::connect(action, &QAction::triggered, action, [bar, itemPointer] {
    std::shared_ptr<MenuBar> alive = bar.lock();
    if (alive) CallHandler([itemPointer] { itemPointer->Action(); });
  });
  QObject::connect(menu, &QMenu::aboutToShow, action, [bar, action, itemPointer] {
    if (bar.lock()) UpdateEnabled(action, *itemPointer);
  });
  UpdateEnabled(action, item);
}

}  // namespace

QMenuBar* BuildMenuBarWidget(const std::shared_ptr<MenuBar>& bar, QWidget* parent) {
  auto* widget = new QMenuBar(parent);
  std::weak_ptr<MenuBar> weakBar = bar;
  for (int32_t m = 0; m < bar->Count(); ++m) {
    MenuItem& menuItem = *bar->Item(m);
    QMenu* menu = widget->addMenu(MenuText(menuItem.Text()));
    menu->setObjectName(ToQString(menuItem.Name()));
    menu->menuAction()->setEnabled(menuItem.AutoEnable() || menuItem.Enabled());
    for (int32_t i = 0; i < menuItem.Count(); ++i) AddItem(menu, *menuItem.Item(i), weakBar);
  }
  return widget;
}

}  // namespace framework
