#pragma once

#include <memory>
#include <optional>

#include "framework/folder_item.h"
#include "framework/ui/bevel_button.h"
#include "framework/ui/drag_item.h"
#include "framework/ui/label.h"
#include "framework/ui/menu_item.h"
#include "framework/ui/quit_menu_item.h"
#include "framework/ui/rectangle.h"
#include "framework/ui/text_field.h"
#include "framework/ui/window.h"
#include "script_generation/generation_window.h"

namespace yorvane {

// The main window, the program's only one: the list file's drop area and
// "参照" button, the page-offset field, the "JSX作成" and
// "Acrobatにしおりをつける" buttons and the status line. Controls are reached
// by name through the accessors, which give none for a control not there.
// Building the window and its controls from their property blobs (Layout,
// CreateControls0, NewControl) lives in window1_layout.cpp; the rest of the
// methods, the handlers among them, in window1.cpp.
class Window1 : public framework::Window, public GenerationWindow {
 public:
  Window1();
  ~Window1() override;

  static const framework::ClassRecord& Lookup();
  static void ctblinit() { Lookup(); }

  const std::optional<framework::FolderItem>& gMyPref() const { return gMyPref_; }
  const std::optional<framework::FolderItem>& gTabFile() const override { return gTabFile_; }
  framework::String pageplusText() const override;

  void Layout();
  void CreateControls();
  void CreateControls0();
  framework::Label* ST1() const;
  framework::BevelButton* fileselect() const;
  framework::Rectangle* Rectangle1() const;
  framework::Label* drop() const;
  framework::BevelButton* makejsx() const;
  framework::BevelButton* setacrobat() const;
  framework::TextField* pageplus() const;
  framework::Label* Label1() const;
  void fileselect_Action(framework::BevelButton& button);
  void drop_Open(framework::Label& label);
  void drop_DropObject(framework::Label& label, framework::DragItem& item, int32_t action);
  void makejsx_Action(framework::BevelButton& button);
  void setacrobat_Action(framework::BevelButton& button);
  // The items of the window's menu bar, by name; none when not there.
  framework::MenuItem* FileMenu() const;
  framework::QuitMenuItem* FileQuit() const;
  framework::MenuItem* EditMenu() const;
  framework::MenuItem* EditUndo() const;
  framework::MenuItem* UntitledMenu1() const;
  framework::MenuItem* EditCut() const;
  framework::MenuItem* EditCopy() const;
  framework::MenuItem* EditPaste() const;
  framework::MenuItem* EditClear() const;
  framework::MenuItem* UntitledMenu0() const;
  framework::MenuItem* EditSelectAll() const;
  void Event_Open();
  void Event_Close();
  // Shows `message` in the status line and repaints it before returning.
  // Raises NilObjectException when the status line is not there.
  void SetST1(const framework::String& message) override;
  void fmakejsx();

 private:
  // The control added under `name`, as class C; none when there is none.
  template <class C>
  C* ControlNamed(std::string_view name) const;
  template <class C>
  C& NewControl(std::string_view name);
  // The item of the menu bar named `name`, as class C; none when there is none.
  template <class C>
  C* MenuItemNamed(std::string_view name) const;

  std::optional<framework::FolderItem> gMyPref_;
  std::optional<framework::FolderItem> gTabFile_;
};

// The main window: the open one if there is one (also while its Open and
// Close handlers run), else a new one, which opens before this returns.
std::shared_ptr<class Window1> Window1();

}  // namespace yorvane
