#include "app/menu_bar1.h"

#include <optional>
#include <string_view>

#include "framework/errors.h"
#include "framework/ui/quit_menu_item.h"

namespace yorvane {

namespace {

struct MenuEntry {
  std::string_view menu;
  std::string_view name;
  std::string_view text;
  // nullptr: the shortcut is never set, as on the separators.
  const char* shortcut;
  bool quit;
};

constexpr MenuEntry kFileMenu[] = {
    {"FileMenu", "FileQuit", "終了", "Cmd+Q", true},
};

constexpr MenuEntry kEditMenu[] = {
    {"EditMenu", "EditUndo", "元に戻す", "Cmd+Z", false},
    {"EditMenu", "UntitledMenu1", "-", nullptr, false},
    {"EditMenu", "EditCut", "カット", "Cmd+X", false},
    {"EditMenu", "EditCopy", "コピー", "Cmd+C", false},
    {"EditMenu", "EditPaste", "貼り付け", "Cmd+V", false},
    {"EditMenu", "EditClear", "削除", "", false},
    {"EditMenu", "UntitledMenu0", "-", nullptr, false},
    {"EditMenu", "EditSelectAll", "すべてを選択", "Cmd+A", false},
};

void AppendMenu(framework::MenuBar& bar, std::string_view name, std::string_view text) {
  auto menu = std::make_unique<framework::MenuItem>();
  menu->SetName(name);
  menu->SetAutoEnable(true);
  menu->SetText(text);
  menu->SetKeyboardShortcut("");
  bar.Append(std::move(menu));
}

void AppendItem(framework::MenuBar& bar, const MenuEntry& entry) {
  std::unique_ptr<framework::MenuItem> item;
  if (entry.quit) {
    item = std::make_unique<framework::QuitMenuItem>();
  } else {
    item = std::make_unique<framework::MenuItem>();
  }
  item->SetName(entry.name);
  item->SetAutoEnable(true);
  item->SetText(entry.text);
  if (entry.shortcut) item->SetKeyboardShortcut(entry.shortcut);
  framework::MenuItem* menu = bar.Child(entry.menu);
  if (!menu) throw framework::NilObjectException("No menu named " + std::string(entry.menu));
  menu->Append(std::move(item));
}

}  // namespace

std::shared_ptr<class MenuBar1> MenuBar1::implicitInstance;

MenuBar1::MenuBar1() : MenuBar(Lookup()) {}

const framework::ClassRecord& MenuBar1::Lookup() {
  static const framework::ClassRecord* record = nullptr;
  return framework::BuildClassRecord(record, "MenuBar1.MenuBar1", &framework::MenuBar::Lookup(),
                                     {"Constructor", "Untitled0", "Untitled1"});
}

void MenuBar1::Constructor() {
  Untitled0();
  Untitled1();
}

void MenuBar1::Untitled0() {
  AppendMenu(*this, "FileMenu", "ファイル");
  for (const MenuEntry& entry : kFileMenu) AppendItem(*this, entry);
}

void MenuBar1::Untitled1() {
  AppendMenu(*this, "EditMenu", "編集");
  for (const MenuEntry& entry : kEditMenu) AppendItem(*this, entry);
}

std::shared_ptr<class MenuBar1> MenuBar1() {
  if (!MenuBar1::implicitInstance) {
    auto bar = std::make_shared<class MenuBar1>();
    bar->Constructor();
    MenuBar1::implicitInstance = bar;
  }
  return MenuBar1::implicitInstance;
}

}  // namespace yorvane
