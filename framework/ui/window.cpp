#include "framework/ui/window.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPalette>
#include <QResizeEvent>
#include <QWidget>
#include <algorithm>
#include <cassert>

#include "framework/ui/menu_bar_widget.h"
#include "framework/ui/qt_conversions.h"
#include "framework/ui/runtime.h"
#include "framework/ui/runtime_observer.h"
#include "framework/ui/unhandled_exception.h"

namespace framework {
namespace {

std::vector<std::shared_ptr<Window>>& OpenList() {
  static std::vector<std::shared_ptr<Window>> windows;
  return windows;
}

}  // namespace

// The toolkit's window. It outlives its Window by a little (it is deleted
// later, as it may be in the middle of an event), so it forgets its owner.
class WindowWidget : public QWidget {
 public:
  Window* owner = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override {
    // The Window decides: Close raises the Close event and hides the window.
    event->ignore();
    if (Window* window = owner) CallHandler([window] { window->Close(); });
  }

  void resizeEvent(QResizeEvent* event) override {
    QWidget::resizeEvent(event);
    if (Window* window = owner) CallHandler([window] { window->ContentResized(); });
  }
};

Window::Window(const ClassRecord& record)
    : record_(record), widget_(new WindowWidget), content_(new QWidget(widget_)) {
  widget_->owner = this;
  ApplyFlags();
  ApplySizeLimits();
}

Window::~Window() {
  controls_.clear();
  widget_->owner = nullptr;
  widget_->hide();
  widget_->deleteLater();
}

const ClassRecord& Window::Lookup() {
  static const ClassRecord* record = nullptr;
  return BuildClassRecord(record, "Window", nullptr);
}

void Window::Constructor() {
  assert(!open_ && "a window opens once");
  OpenList().push_back(shared_from_this());
  open_ = true;
  NotifyRuntimeObserver("window created " + record_.runtimeName);
  try {
    RaiseEvent(WindowEvent::kLayout);
    RaiseEvent(WindowEvent::kCreateControls);
    // By index: an Open handler may add controls.
    for (size_t i = 0; i < controls_.size(); ++i) controls_[i]->RaiseEvent(kOpenEvent);
    RaiseEvent(WindowEvent::kOpen);
  } catch (...) {
    open_ = false;
    widget_->hide();
    std::erase(OpenList(), shared_from_this());
    throw;
  }
  if (open_ && visible_) Show();
}

void Window::Close() {
  if (!open_ || closing_) return;
  closing_ = true;
  // Keeps the window alive until Close has finished with it.
  std::shared_ptr<Window> self = shared_from_this();
  auto finish = [this, &self] {
    open_ = false;
    widget_->hide();
    std::erase(OpenList(), self);
#if !defined(Q_OS_MACOS)
    // Away from the Mac a program without windows has nothing left to show
    // or to quit with: the last window to close ends it.
    if (OpenList().empty()) Quit(0);
#endif
  };
  try {
    RaiseEvent(WindowEvent::kClose);
  } catch (...) {
    finish();
    throw;
  }
  finish();
}

void Window::BindEvent(WindowEvent event, std::function<void()> handler) {
  handlers_[event] = std::move(handler);
}

void Window::RaiseEvent(WindowEvent event) {
  auto found = handlers_.find(event);
  if (found != handlers_.end()) found->second();
}

int32_t Window::MenuBarHeight() const {
  if (!menuBarWidget_ || !menuBarVisible_ || menuBarWidget_->isNativeMenuBar()) return 0;
  menuBarWidget_->ensurePolished();
  return menuBarWidget_->heightForWidth(std::max(widget_->width(), 1));
}

void Window::PlaceContent() {
  int32_t menuBarHeight = MenuBarHeight();
  if (menuBarWidget_) menuBarWidget_->setGeometry(0, 0, widget_->width(), menuBarHeight);
  content_->setGeometry(0, menuBarHeight, widget_->width(),
                        std::max(0, widget_->height() - menuBarHeight));
}

void Window::ContentResized() {
  PlaceContent();
  for (const auto& control : controls_) control->Relayout();
}

void Window::ApplySizeLimits() {
  int32_t menuBarHeight = MenuBarHeight();
  if (resizeable_) {
    widget_->setMinimumSize(minWidth_, minHeight_ + menuBarHeight);
    widget_->setMaximumSize(maxWidth_, maxHeight_ + menuBarHeight);
  } else {
    widget_->setFixedSize(widget_->size());
  }
}

void Window::ApplyFlags() {
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (closeButton_) flags |= Qt::WindowCloseButtonHint;
  if (minimizeButton_) flags |= Qt::WindowMinimizeButtonHint;
  if (maximizeButton_) flags |= Qt::WindowMaximizeButtonHint;
  bool shown = widget_->isVisible();
  widget_->setWindowFlags(flags);
  if (shown) widget_->show();
}

void Window::Show() {
  int32_t width = Width();
  int32_t height = Height();
  if (fullScreen_) {
    widget_->showFullScreen();
  } else {
    widget_->show();
  }
  // The menu bar's height is final once it is shown; the content area
  // keeps the size asked for.
  if (!fullScreen_) {
    ApplySizeLimits();
    widget_->resize(width, height + MenuBarHeight());
  }
  ContentResized();
}

int32_t Window::Left() const { return widget_->geometry().x(); }

void Window::SetLeft(int32_t left) {
  QRect geometry = widget_->geometry();
  geometry.moveLeft(left);
  widget_->setGeometry(geometry);
}

int32_t Window::Top() const { return widget_->geometry().y() + MenuBarHeight(); }

void Window::SetTop(int32_t top) {
  QRect geometry = widget_->geometry();
  geometry.moveTop(top - MenuBarHeight());
  widget_->setGeometry(geometry);
}

int32_t Window::Width() const { return content_->width(); }

void Window::SetWidth(int32_t width) {
  widget_->resize(width, widget_->height());
  ContentResized();
}

int32_t Window::Height() const { return content_->height(); }

void Window::SetHeight(int32_t height) {
  widget_->resize(widget_->width(), height + MenuBarHeight());
  ContentResized();
}

void Window::SetMinWidth(int32_t width) {
  minWidth_ = width;
  ApplySizeLimits();
}

void Window::SetMinHeight(int32_t height) {
  minHeight_ = height;
  ApplySizeLimits();
}

void Window::SetMaxWidth(int32_t width) {
  maxWidth_ = width;
  ApplySizeLimits();
}

void Window::SetMaxHeight(int32_t height) {
  maxHeight_ = height;
  ApplySizeLimits();
}

String Window::Title() const { return widget_->windowTitle().toStdString(); }

void Window::SetTitle(std::string_view title) { widget_->setWindowTitle(ToQString(title)); }

void Window::SetVisible(bool visible) {
  visible_ = visible;
  // Until it has opened, the window only takes note.
  if (!open_) return;
  if (visible) {
    Show();
  } else {
    widget_->hide();
  }
}

void Window::SetCloseButton(bool on) {
  closeButton_ = on;
  ApplyFlags();
}

void Window::SetMinimizeButton(bool on) {
  minimizeButton_ = on;
  ApplyFlags();
}

void Window::SetMaximizeButton(bool on) {
  maximizeButton_ = on;
  ApplyFlags();
}

void Window::SetResizeable(bool on) {
  resizeable_ = on;
  if (on) {
    widget_->setMinimumSize(0, 0);
    widget_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  }
  ApplySizeLimits();
}

void Window::SetMenuBarVisible(bool on) {
  int32_t height = Height();
  menuBarVisible_ = on;
  if (menuBarWidget_) menuBarWidget_->setVisible(on);
  ApplySizeLimits();
  SetHeight(height);
}

void Window::SetHasBackColor(bool on) {
  hasBackColor_ = on;
  ApplyBackColor();
}

void Window::SetBackColor(framework::Color color) {
  backColor_ = color;
  ApplyBackColor();
}

void Window::ApplyBackColor() {
  content_->setAutoFillBackground(hasBackColor_);
  if (!hasBackColor_) return;
  QPalette palette = content_->palette();
  palette.setColor(QPalette::Window, ToQColor(backColor_));
  content_->setPalette(palette);
}

void Window::SetMenuBar(std::shared_ptr<framework::MenuBar> menuBar) {
  int32_t width = Width();
  int32_t height = Height();
  if (menuBarWidget_) {
    menuBarWidget_->hide();
    menuBarWidget_->deleteLater();
    menuBarWidget_ = nullptr;
  }
  menuBar_ = std::move(menuBar);
  if (menuBar_) {
    menuBarWidget_ = BuildMenuBarWidget(menuBar_, widget_);
    menuBarWidget_->setVisible(menuBarVisible_);
  }
  ApplySizeLimits();
  widget_->resize(width, height + MenuBarHeight());
  ContentResized();
}

RectControl& Window::AddControl(std::unique_ptr<RectControl> control, std::string_view name) {
  control->SetName(name);
  controls_.push_back(std::move(control));
  return *controls_.back();
}

RectControl* Window::ControlByName(std::string_view name) const {
  for (const auto& control : controls_) {
    if (control->Name() == name) return control.get();
  }
  return nullptr;
}

QWidget* Window::Widget() const { return widget_; }

QWidget* Window::ContentWidget() const { return content_; }

void Window::DescribeProperties(PropertyTable& table) {
  // Placement 0 leaves the first position to the toolkit, as does every
  // other value here; Frame 0 is the ordinary document window.
  table.Kept("Placement", PropertyType::kInt32, keptProperties_);
  table.Int32("Width", [this](int32_t v) { SetWidth(v); });
  table.Int32("Height", [this](int32_t v) { SetHeight(v); });
  table.Int32("MinWidth", [this](int32_t v) { SetMinWidth(v); });
  table.Int32("MinHeight", [this](int32_t v) { SetMinHeight(v); });
  table.Int32("MaxWidth", [this](int32_t v) { SetMaxWidth(v); });
  table.Int32("MaxHeight", [this](int32_t v) { SetMaxHeight(v); });
  table.Kept("Frame", PropertyType::kInt32, keptProperties_);
  table.Kept("Composite", PropertyType::kBoolean, keptProperties_);
  table.Boolean("HasBackColor", [this](bool v) { SetHasBackColor(v); });
  table.Color("BackColor", [this](framework::Color v) { SetBackColor(v); });
  table.String("Title", [this](const String& v) { SetTitle(v); });
  table.Boolean("Visible", [this](bool v) { SetVisible(v); });
  table.Boolean("FullScreen", [this](bool v) { fullScreen_ = v; });
  table.Boolean("MenuBarVisible", [this](bool v) { SetMenuBarVisible(v); });
  table.Boolean("CloseButton", [this](bool v) { SetCloseButton(v); });
  table.Boolean("Resizeable", [this](bool v) { SetResizeable(v); });
  // The toolkit always redraws while the user resizes.
  table.Kept("LiveResize", PropertyType::kBoolean, keptProperties_);
  table.Boolean("MaximizeButton", [this](bool v) { SetMaximizeButton(v); });
  table.Boolean("MinimizeButton", [this](bool v) { SetMinimizeButton(v); });
  table.Kept("MacProcId", PropertyType::kInt32, keptProperties_);
}

std::vector<std::shared_ptr<Window>> OpenWindows() { return OpenList(); }

std::shared_ptr<Window> GetImplicitWindow(std::string_view runtimeClassName) {
  for (const auto& window : OpenList()) {
    if (window->Class().runtimeName == runtimeClassName) return window;
  }
  return nullptr;
}

void InitializeWindowList() {
  OpenList().clear();
  NotifyRuntimeObserver("window list");
}

void ReleaseOpenWindows() {
  std::vector<std::shared_ptr<Window>> windows;
  windows.swap(OpenList());
  for (const auto& window : windows) {
    window->open_ = false;
    window->widget_->hide();
  }
}

}  // namespace framework
