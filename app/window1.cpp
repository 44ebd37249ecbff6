#include "app/window1.h"

#include "framework/errors.h"
#include "framework/ui/event_delegate.h"
#include "framework/ui/runtime.h"
#include "script_generation/generation.h"

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

void Window1::fileselect_Action(framework::BevelButton&) {}

void Window1::drop_Open(framework::Label&) {}

void Window1::drop_DropObject(framework::Label&, framework::DragItem&, int32_t) {}

void Window1::makejsx_Action(framework::BevelButton&) { fmakejsx(); }

void Window1::setacrobat_Action(framework::BevelButton&) {}

void Window1::Event_Open() {}

void Window1::Event_Close() { framework::Quit(0); }

void Window1::SetST1(const framework::String& message) {
  framework::Label* status = ST1();
  if (!status) throw framework::NilObjectException("No status line ST1");
  status->SetText(message);
  status = ST1();
  if (!status) throw framework::NilObjectException("No status line ST1");
  status->Refresh(true);
}

void Window1::fmakejsx() { ::fmakejsx(*this); }

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
