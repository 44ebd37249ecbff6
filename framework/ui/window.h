#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string_view>
#include <vector>

#include "framework/text.h"
#include "framework/ui/class_record.h"
#include "framework/ui/color.h"
#include "framework/ui/menu_bar.h"
#include "framework/ui/properties.h"
#include "framework/ui/rect_control.h"

class QMenuBar;
class QWidget;

namespace framework {

class WindowWidget;

enum class WindowEvent { kLayout, kCreateControls, kOpen, kClose };

// A top-level window: a content area, the controls in it and, where the
// platform puts it there, the menu bar above it. Sizes are those of the
// content area; Left and Top are its top-left corner on the screen.
// A window is made with std::make_shared and opened with Constructor; from
// then until it closes the framework holds it (OpenWindows).
class Window : public PropertyHolder, public std::enable_shared_from_this<Window> {
 public:
  Window() : Window(Lookup()) {}
  // For a subclass: `record` is the subclass's own.
  explicit Window(const ClassRecord& record);
  ~Window() override;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  static const ClassRecord& Lookup();
  const ClassRecord& Class() const { return record_; }

  // Opens the window: the framework takes hold of it and raises Layout and
  // CreateControls, then each control's Open event in the order the
  // controls were added, then the window's Open; at the end the window is
  // shown if Visible. An exception from Layout, CreateControls or Open
  // leaves Constructor, and the framework lets go of the window.
  void Constructor();
  // Raises Close, as the close button does, then hides the window and lets
  // go of it. The Close handler still finds the window among the open ones.
  // A window closes once; a second Close does nothing.
  void Close();
  bool IsOpen() const { return open_; }

  int32_t Left() const;
  void SetLeft(int32_t left);
  int32_t Top() const;
  void SetTop(int32_t top);
  int32_t Width() const;
  void SetWidth(int32_t width);
  int32_t Height() const;
  void SetHeight(int32_t height);
  int32_t MinWidth() const { return minWidth_; }
  void SetMinWidth(int32_t width);
  int32_t MinHeight() const { return minHeight_; }
  void SetMinHeight(int32_t height);
  int32_t MaxWidth() const { return maxWidth_; }
  void SetMaxWidth(int32_t width);
  int32_t MaxHeight() const { return maxHeight_; }
  void SetMaxHeight(int32_t height);

  String Title() const;
  void SetTitle(std::string_view title);
  // Setting Visible before the window has opened takes effect when it opens.
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool CloseButton() const { return closeButton_; }
  void SetCloseButton(bool on);
  bool MinimizeButton() const { return minimizeButton_; }
  void SetMinimizeButton(bool on);
  bool MaximizeButton() const { return maximizeButton_; }
  void SetMaximizeButton(bool on);
  bool Resizeable() const { return resizeable_; }
  void SetResizeable(bool on);
  bool MenuBarVisible() const { return menuBarVisible_; }
  void SetMenuBarVisible(bool on);
  bool HasBackColor() const { return hasBackColor_; }
  void SetHasBackColor(bool on);
  framework::Color BackColor() const { return backColor_; }
  void SetBackColor(framework::Color color);

  // The bar the window shows; the window shares it with its other holders.
  const std::shared_ptr<framework::MenuBar>& MenuBar() const { return menuBar_; }
  void SetMenuBar(std::shared_ptr<framework::MenuBar> menuBar);

  // A new control of class C for this window, not yet added (Window.__New).
  template <class C>
  std::unique_ptr<C> New() {
    return std::make_unique<C>(*this);
  }
  // Adds `control` under `name`; the window owns it from now on.
  RectControl& AddControl(std::unique_ptr<RectControl> control, std::string_view name);
  // The control added under `name`; nullptr when there is none.
  RectControl* ControlByName(std::string_view name) const;
  const std::vector<std::unique_ptr<RectControl>>& Controls() const { return controls_; }

  // The toolkit's window and content area, for the framework and for tests.
  QWidget* Widget() const;
  QWidget* ContentWidget() const;
  QMenuBar* MenuBarWidget() const { return menuBarWidget_; }

  // Called by the toolkit's window when its size changes.
  void ContentResized();

 protected:
  // Ties one of the window's events to `handler`; the handler runs with the
  // window as its receiver.
  void BindEvent(WindowEvent event, std::function<void()> handler);
  void DescribeProperties(PropertyTable& table) override;

 private:
  void RaiseEvent(WindowEvent event);
  int32_t MenuBarHeight() const;
  void PlaceContent();
  void ApplySizeLimits();
  void ApplyFlags();
  void ApplyBackColor();
  void Show();
  friend void ReleaseOpenWindows();

  const ClassRecord& record_;
  WindowWidget* widget_;
  QWidget* content_;
  QMenuBar* menuBarWidget_ = nullptr;
  std::shared_ptr<framework::MenuBar> menuBar_;
  std::vector<std::unique_ptr<RectControl>> controls_;
  std::map<WindowEvent, std::function<void()>> handlers_;
  int32_t minWidth_ = 64;
  int32_t minHeight_ = 64;
  int32_t maxWidth_ = 32000;
  int32_t maxHeight_ = 32000;
  bool visible_ = false;
  bool closeButton_ = true;
  bool minimizeButton_ = true;
  bool maximizeButton_ = true;
  bool resizeable_ = true;
  bool menuBarVisible_ = true;
  bool fullScreen_ = false;
  bool hasBackColor_ = false;
  framework::Color backColor_{255, 255, 255};
  bool open_ = false;
  bool closing_ = false;
};

// The open windows, in the order they opened.
std::vector<std::shared_ptr<Window>> OpenWindows();
// The open window whose class has the runtime name `runtimeClassName`;
// nullptr when none is open.
std::shared_ptr<Window> GetImplicitWindow(std::string_view runtimeClassName);
// Sets up the list of open windows; part of the framework's class set-up.
void InitializeWindowList();
// Lets go of every open window without raising Close.
void ReleaseOpenWindows();

}  // namespace framework
