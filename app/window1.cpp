#include "app/window1.h"

#include "app/acrobat_link.h"
#include "app/window_position.h"
#include "framework/errors.h"
#include "framework/ui/event_delegate.h"
#include "framework/ui/open_dialog.h"
#include "framework/ui/runtime.h"
#include "script_generation/generation.h"
#include "script_generation/script_file.h"

namespace yorvane {

namespace {

// The registered type of bookmark lists: what the dialog offers and the drop
// area takes.
constexpr std::string_view kListFileType = "text/plain";

}  // namespace

Window1::Window1() : Window(Lookup()) {
  BindEvent(framework::WindowEvent::kLayout, [this] { Layout(); });
  BindEvent(framework::WindowEvent::kCreateControls, [this] { CreateControls(); });
  BindEvent(framework::WindowEvent::kOpen, [this] { Event_Open(); });
  BindEvent(framework::WindowEvent::kClose, [this] { Event_Close(); });
}

Window1::~Window1() {
  gMyPref_.reset();
  gTabFile_.reset();
}

const framework::ClassRecord& Window1::Lookup() {
  static const framework::ClassRecord* record = nullptr;
  return framework::BuildClassRecord(record, "Window1.Window1", &framework::Window::Lookup(),
                                     {"Layout",
                                      "CreateControls",
                                      "CreateControls0",
                                      "ST1",
                                      "fileselect",
                                      "Rectangle1",
                                      "drop",
                                      "makejsx",
                                      "setacrobat",
                                      "pageplus",
                                      "Label1",
                                      "fileselect_Action",
                                      "drop_Open",
                                      "drop_DropObject",
                                      "makejsx_Action",
                                      "setacrobat_Action",
                                      "FileMenu",
                                      "FileQuit",
                                      "EditMenu",
                                      "EditUndo",
                                      "UntitledMenu1",
                                      "EditCut",
                                      "EditCopy",
                                      "EditPaste",
                                      "EditClear",
                                      "UntitledMenu0",
                                      "EditSelectAll",
                                      "Event_Open",
                                      "Event_Close",
                                      "SetST1",
                                      "fmakejsx"});
}

template <class C>
C* Window1::ControlNamed(std::string_view name) const {
  framework::RectControl* control = ControlByName(name);
  return control ? &framework::RuntimeCheckCast<C>(*control) : nullptr;
}

template <class C>
C* Window1::MenuItemNamed(std::string_view name) const {
  framework::MenuItem* item = MenuBar() ? MenuBar()->ItemNamed(name) : nullptr;
  if (!item) return nullptr;
  C* cast = dynamic_cast<C*>(item);
  if (!cast) {
    throw framework::IllegalCastException("The menu item \"" + std::string(name) + "\" is a " +
                                          item->Class().runtimeName);
  }
  return cast;
}

framework::String Window1::pageplusText() const {
  framework::TextField* field = pageplus();
  if (!field) throw framework::NilObjectException("No page offset field pageplus");
  return field->Text();
}

void Window1::CreateControls() { CreateControls0(); }

framework::Label* Window1::ST1() const { return ControlNamed<framework::Label>("ST1"); }

framework::BevelButton* Window1::fileselect() const {
  return ControlNamed<framework::BevelButton>("fileselect");
}

framework::Rectangle* Window1::Rectangle1() const {
  return ControlNamed<framework::Rectangle>("Rectangle1");
}

framework::Label* Window1::drop() const { return ControlNamed<framework::Label>("drop"); }

framework::BevelButton* Window1::makejsx() const {
  return ControlNamed<framework::BevelButton>("makejsx");
}

framework::BevelButton* Window1::setacrobat() const {
  return ControlNamed<framework::BevelButton>("setacrobat");
}

framework::TextField* Window1::pageplus() const {
  return ControlNamed<framework::TextField>("pageplus");
}

framework::Label* Window1::Label1() const { return ControlNamed<framework::Label>("Label1"); }

void Window1::fileselect_Action(framework::BevelButton&) {
  std::unique_ptr<framework::OpenDialog> dialog = New<framework::OpenDialog>();
  dialog->SetTitle("Tab区切りテキストUTF-8を選択");
  dialog->SetFilter(kListFileType);
  std::optional<framework::FolderItem> chosen = dialog->ShowModal();
  if (!chosen) return;
  gTabFile_ = std::move(chosen);
  framework::Label* dropArea = drop();
  if (!dropArea) throw framework::NilObjectException("No drop area drop");
  dropArea->SetText(gTabFile_->AbsolutePath());
}

void Window1::drop_Open(framework::Label& label) { label.AcceptFileDrop(kListFileType); }

void Window1::drop_DropObject(framework::Label& label, framework::DragItem& item, int32_t) {
  // Only the first item of a drag counts.
  if (!item.FolderItemAvailable()) return;
  if (item.FolderItem()->Directory()) {
    label.SetText("テキストファイルをドロップして下さい。");
    return;
  }
  gTabFile_ = item.FolderItem();
  label.SetText(gTabFile_->AbsolutePath());
}

void Window1::makejsx_Action(framework::BevelButton&) { fmakejsx(); }

void Window1::setacrobat_Action(framework::BevelButton&) {
  std::optional<framework::FolderItem> script = framework::GetFolderItem(kScriptFileName, 0);
  SetST1("しおり実行");
  if (!script) {
    throw framework::NilObjectException("\"" + std::string(kScriptFileName) + "\" cannot be found");
  }
  const framework::String path = script->AbsolutePath();
  activeacrobat({});
  as_acrobat({framework::StringToVariant(path)});
  SetST1("しおり完了");
}

framework::MenuItem* Window1::FileMenu() const {
  return MenuItemNamed<framework::MenuItem>("FileMenu");
}

framework::QuitMenuItem* Window1::FileQuit() const {
  return MenuItemNamed<framework::QuitMenuItem>("FileQuit");
}

framework::MenuItem* Window1::EditMenu() const {
  return MenuItemNamed<framework::MenuItem>("EditMenu");
}

framework::MenuItem* Window1::EditUndo() const {
  return MenuItemNamed<framework::MenuItem>("EditUndo");
}

framework::MenuItem* Window1::UntitledMenu1() const {
  return MenuItemNamed<framework::MenuItem>("UntitledMenu1");
}

framework::MenuItem* Window1::EditCut() const {
  return MenuItemNamed<framework::MenuItem>("EditCut");
}

framework::MenuItem* Window1::EditCopy() const {
  return MenuItemNamed<framework::MenuItem>("EditCopy");
}

framework::MenuItem* Window1::EditPaste() const {
  return MenuItemNamed<framework::MenuItem>("EditPaste");
}

framework::MenuItem* Window1::EditClear() const {
  return MenuItemNamed<framework::MenuItem>("EditClear");
}

framework::MenuItem* Window1::UntitledMenu0() const {
  return MenuItemNamed<framework::MenuItem>("UntitledMenu0");
}

framework::MenuItem* Window1::EditSelectAll() const {
  return MenuItemNamed<framework::MenuItem>("EditSelectAll");
}

void Window1::Event_Open() {
  gMyPref_ = PreferenceFile();
  // Without a Preferences folder the window stays where the system put it.
  if (!gMyPref_) return;
  if (std::optional<WindowPosition> position = ReadWindowPosition(*gMyPref_)) {
    yorvane::Window1()->SetLeft(position->left);
    yorvane::Window1()->SetTop(position->top);
  }
}

void Window1::Event_Close() {
  // Closing the window ends the program, whether or not the position is kept.
  if (gMyPref_) {
    WriteWindowPosition(*gMyPref_, {yorvane::Window1()->Left(), yorvane::Window1()->Top()});
  }
  framework::Quit(0);
}

void Window1::SetST1(const framework::String& message) {
  framework::Label* status = ST1();
  if (!status) throw framework::NilObjectException("No status line ST1");
  status->SetText(message);
  status = ST1();
  if (!status) throw framework::NilObjectException("No status line ST1");
  status->Refresh(true);
}

void Window1::fmakejsx() { yorvane::fmakejsx(*this); }

std::shared_ptr<class Window1> Window1() {
  std::shared_ptr<framework::Window> open =
      framework::GetImplicitWindow(Window1::Lookup().runtimeName);
  if (!open) {
    auto window = std::make_shared<class Window1>();
    window->Constructor();
    open = window;
  }
  auto window = std::dynamic_pointer_cast<class Window1>(open);
  if (!window) throw framework::IllegalCastException("The open Window1.Window1 is no Window1");
  return window;
}

}  // namespace yorvane
