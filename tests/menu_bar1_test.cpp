#include "app/menu_bar1.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <string>
#include <vector>

#include "framework/ui/quit_menu_item.h"
#include "tests/support/started_program.h"

namespace yorvane {

namespace {

struct ItemCase {
  const char* menu;
  const char* name;
  const char* text;
  // nullptr: never set.
  const char* shortcut;
  const char* keys;
};

const ItemCase kItems[] = {
    {"FileMenu", "FileQuit", "終了", "Cmd+Q", "Ctrl+Q"},
    {"EditMenu", "EditUndo", "元に戻す", "Cmd+Z", "Ctrl+Z"},
    {"EditMenu", "UntitledMenu1", "-", nullptr, ""},
    {"EditMenu", "EditCut", "カット", "Cmd+X", "Ctrl+X"},
    {"EditMenu", "EditCopy", "コピー", "Cmd+C", "Ctrl+C"},
    {"EditMenu", "EditPaste", "貼り付け", "Cmd+V", "Ctrl+V"},
    {"EditMenu", "EditClear", "削除", "", ""},
    {"EditMenu", "UntitledMenu0", "-", nullptr, ""},
    {"EditMenu", "EditSelectAll", "すべてを選択", "Cmd+A", "Ctrl+A"},
};

using MenuBar1Test = StartedProgram;

TEST_F(MenuBar1Test, HoldsTheFileAndEditMenusWithTheirItemsInOrder) {
  std::shared_ptr<class MenuBar1> bar = MenuBar1();
  EXPECT_EQ(bar, MenuBar1());
  ASSERT_EQ(bar->Count(), 2);
  EXPECT_EQ(bar->Item(0)->Name(), "FileMenu");
  EXPECT_EQ(bar->Item(0)->Text(), "ファイル");
  EXPECT_EQ(bar->Item(1)->Name(), "EditMenu");
  EXPECT_EQ(bar->Item(1)->Text(), "編集");
  EXPECT_EQ(bar->Item(0)->Count(), 1);
  EXPECT_EQ(bar->Item(1)->Count(), 8);
  for (int m = 0; m < 2; ++m) {
    EXPECT_EQ(bar->Item(m)->KeyboardShortcut(), std::optional<std::string>(""));
    EXPECT_TRUE(bar->Item(m)->AutoEnable());
  }
  int index[2] = {0, 0};
  for (const ItemCase& expected : kItems) {
    SCOPED_TRACE(expected.name);
    int m = std::string(expected.menu) == "FileMenu" ? 0 : 1;
    framework::MenuItem* item = bar->Item(m)->Item(index[m]++);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->Name(), expected.name);
    EXPECT_EQ(item->Text(), expected.text);
    EXPECT_TRUE(item->AutoEnable());
    if (expected.shortcut) {
      EXPECT_EQ(item->KeyboardShortcut(), std::optional<std::string>(expected.shortcut));
    } else {
      EXPECT_FALSE(item->KeyboardShortcut().has_value());
    }
    EXPECT_EQ(dynamic_cast<framework::QuitMenuItem*>(item) != nullptr,
              std::string(expected.name) == "FileQuit");
  }
}

TEST_F(MenuBar1Test, WindowAccessorsGiveTheItemsOfTheSharedBarInBarOrder) {
  using Accessor = framework::MenuItem* (*)(const class Window1&);
  const std::pair<const char*, Accessor> accessors[] = {
      {"FileMenu", [](const class Window1& w) -> framework::MenuItem* { return w.FileMenu(); }},
      {"FileQuit", [](const class Window1& w) -> framework::MenuItem* { return w.FileQuit(); }},
      {"EditMenu", [](const class Window1& w) { return w.EditMenu(); }},
      {"EditUndo", [](const class Window1& w) { return w.EditUndo(); }},
      {"UntitledMenu1", [](const class Window1& w) { return w.UntitledMenu1(); }},
      {"EditCut", [](const class Window1& w) { return w.EditCut(); }},
      {"EditCopy", [](const class Window1& w) { return w.EditCopy(); }},
      {"EditPaste", [](const class Window1& w) { return w.EditPaste(); }},
      {"EditClear", [](const class Window1& w) { return w.EditClear(); }},
      {"UntitledMenu0", [](const class Window1& w) { return w.UntitledMenu0(); }},
      {"EditSelectAll", [](const class Window1& w) { return w.EditSelectAll(); }},
  };
  // Each menu, followed by its items: the order of the bar.
  std::vector<framework::MenuItem*> inBarOrder;
  std::shared_ptr<class MenuBar1> bar = MenuBar1();
  for (int m = 0; m < bar->Count(); ++m) {
    inBarOrder.push_back(bar->Item(m));
    for (int i = 0; i < bar->Item(m)->Count(); ++i) inBarOrder.push_back(bar->Item(m)->Item(i));
  }
  ASSERT_EQ(inBarOrder.size(), std::size(accessors));
  for (size_t i = 0; i < inBarOrder.size(); ++i) {
    SCOPED_TRACE(accessors[i].first);
    EXPECT_EQ(inBarOrder[i]->Name(), accessors[i].first);
    EXPECT_EQ(accessors[i].second(*window_), inBarOrder[i]);
  }
}

TEST_F(MenuBar1Test, WindowShowsTheMenusWithShortcutsAndSeparators) {
  QMenuBar* menuBar = window_->MenuBarWidget();
  ASSERT_NE(menuBar, nullptr);
  QList<QAction*> menus = menuBar->actions();
  ASSERT_EQ(menus.size(), 2);
  EXPECT_EQ(menus[0]->text(), "ファイル");
  EXPECT_EQ(menus[1]->text(), "編集");
  std::vector<QAction*> actions;
  for (QAction* menu : menus) {
    for (QAction* action : menu->menu()->actions()) actions.push_back(action);
  }
  ASSERT_EQ(actions.size(), std::size(kItems));
  for (size_t i = 0; i < actions.size(); ++i) {
    const ItemCase& expected = kItems[i];
    SCOPED_TRACE(expected.name);
    bool separator = std::string(expected.text) == "-";
    EXPECT_EQ(actions[i]->isSeparator(), separator);
    if (separator) continue;
    EXPECT_EQ(actions[i]->text().toStdString(), expected.text);
    EXPECT_EQ(actions[i]->shortcut(), QKeySequence(expected.keys));
  }
}

class EditMenuTest : public StartedProgram {
 protected:
  void SetUp() override {
    StartedProgram::SetUp();
    WaitUntilExposed();
    field_ = window_->pageplus();
    field_->Widget()->setFocus();
    QApplication::clipboard()->clear();
  }

  QAction* Action(const char* name) { return window_->MenuBarWidget()->findChild<QAction*>(name); }

  // The enabled state of each Edit item as the menu is about to show.
  std::vector<bool> EnabledAsShown() {
    QMenu* edit = window_->MenuBarWidget()->findChild<QMenu*>("EditMenu");
    emit edit->aboutToShow();
    std::vector<bool> enabled;
    for (const char* name :
         {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll"}) {
      enabled.push_back(Action(name)->isEnabled());
    }
    return enabled;
  }

  framework::TextField* field_;
};

TEST_F(EditMenuTest, ItemsAreEnabledWhenTheFocusedFieldCanAct) {
  ASSERT_EQ(framework::FocusedTextField(), field_);
  // Undo, cut, copy, paste, clear, select all.
  EXPECT_EQ(EnabledAsShown(), (std::vector<bool>{false, false, false, false, false, true}));
  Action("EditSelectAll")->trigger();
  EXPECT_EQ(EnabledAsShown(), (std::vector<bool>{false, true, true, false, true, true}));
  Action("EditCut")->trigger();
  EXPECT_EQ(field_->Text(), "");
  EXPECT_EQ(QApplication::clipboard()->text(), "0");
  EXPECT_EQ(EnabledAsShown(), (std::vector<bool>{true, false, false, true, false, false}));
  Action("EditPaste")->trigger();
  Action("EditPaste")->trigger();
  EXPECT_EQ(field_->Text(), "00");
  Action("EditUndo")->trigger();
  EXPECT_EQ(field_->Text(), "0");
}

TEST_F(EditMenuTest, ItemsAreDisabledWithoutAFocusedField) {
  window_->makejsx()->Widget()->setFocus();
  window_->ContentWidget()->setFocus();
  field_->Widget()->clearFocus();
  EXPECT_EQ(framework::FocusedTextField(), nullptr);
  EXPECT_EQ(EnabledAsShown(), (std::vector<bool>(6, false)));
  QMenu* file = window_->MenuBarWidget()->findChild<QMenu*>("FileMenu");
  emit file->aboutToShow();
  EXPECT_TRUE(Action("FileQuit")->isEnabled());
}

}  // namespace

}  // namespace yorvane
