#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string_view>

#include "framework/text.h"
#include "framework/ui/class_record.h"
#include "framework/ui/properties.h"

class QObject;
class QWidget;

namespace framework {

class DragItem;
class RectControl;
class Window;

// Event numbers of the control events that handlers can be attached to.
inline constexpr int32_t kOpenEvent = 1;
inline constexpr int32_t kDropObjectEvent = 6;
inline constexpr int32_t kActionEvent = 17;

// What an event hands its handler besides the control: for DropObject the
// dragged item and the drag action.
struct EventArguments {
  DragItem* dragItem = nullptr;
  int32_t action = 0;
};

using EventDelegate = std::function<void(RectControl& sender, const EventArguments& arguments)>;

// A control of a window: a rectangle in the window's content area, given in
// window coordinates whatever control holds it. When the window is resized
// a control keeps its distance to the edges it is locked to: locked left and
// right it stretches, locked right only it moves; likewise top and bottom.
class RectControl : public PropertyHolder {
 public:
  struct Bounds {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
  };

  ~RectControl() override;
  RectControl(const RectControl&) = delete;
  RectControl& operator=(const RectControl&) = delete;

  static const ClassRecord& Lookup();
  virtual const ClassRecord& Class() const = 0;

  Window& OwnerWindow() const { return window_; }
  const String& Name() const { return name_; }
  void SetName(std::string_view name) { name_ = name; }
  int32_t Index() const { return index_; }
  void SetIndex(int32_t index) { index_ = index; }

  // The control's place now, after the locks have acted on resizes.
  Bounds CurrentBounds() const;
  void SetBounds(Bounds bounds);
  int32_t Left() const { return CurrentBounds().left; }
  void SetLeft(int32_t left);
  int32_t Top() const { return CurrentBounds().top; }
  void SetTop(int32_t top);
  int32_t Width() const { return CurrentBounds().width; }
  void SetWidth(int32_t width);
  int32_t Height() const { return CurrentBounds().height; }
  void SetHeight(int32_t height);
  bool LockLeft() const { return lockLeft_; }
  void SetLockLeft(bool on);
  bool LockTop() const { return lockTop_; }
  void SetLockTop(bool on);
  bool LockRight() const { return lockRight_; }
  void SetLockRight(bool on);
  bool LockBottom() const { return lockBottom_; }
  void SetLockBottom(bool on);

  bool Visible() const;
  void SetVisible(bool visible);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  String HelpTag() const;
  void SetHelpTag(std::string_view helpTag);
  int32_t TabIndex() const { return tabIndex_; }
  void SetTabIndex(int32_t tabIndex) { tabIndex_ = tabIndex; }
  // Puts the control inside the control named `parentName` of the same
  // window; the empty name leaves it in the content area. Its window
  // coordinates stay. Raises NilObjectException for a name not added.
  void SetInitialParent(std::string_view parentName);

  // Repaints the control: at once, before returning, when `immediately`,
  // otherwise at the toolkit's next chance.
  void Refresh(bool immediately);

  // Makes the control a drop target for files of the registered type
  // `typeName`; a drop raises DropObject with the drag's first item.
  void AcceptFileDrop(std::string_view typeName);

  // Attaches `handler` to the event `eventNumber`, replacing an earlier one.
  void AddEventHandler(int32_t eventNumber, EventDelegate handler);
  bool HasEventHandler(int32_t eventNumber) const;
  // Runs the handler of `eventNumber`, if any. An exception that leaves the
  // handler is reported as unhandled and goes no further; the return says
  // whether a handler ran.
  bool RaiseEvent(int32_t eventNumber, const EventArguments& arguments = {});

  QWidget* Widget() const { return widget_; }
  // Lays the control out again for the window's current size.
  void Relayout();

 protected:
  // `widget` is the control's toolkit widget, which the window's content
  // area owns from now on.
  RectControl(Window& window, QWidget* widget);
  void DescribeProperties(PropertyTable& table) override;
  // The object the control's toolkit connections live with: they end with
  // the control even while its widget waits for deletion.
  QObject* ConnectionContext() const { return context_.get(); }

 private:
  // Takes the control's current place, lets `change` alter it or the locks,
  // and makes the result the place the locks act from.
  template <class Change>
  void ChangeFromCurrentPlace(Change change);

  Window& window_;
  QWidget* widget_;
  std::unique_ptr<QObject> context_;
  String name_;
  int32_t index_ = 0;
  Bounds base_;
  int32_t referenceWidth_ = 0;
  int32_t referenceHeight_ = 0;
  bool lockLeft_ = true;
  bool lockTop_ = true;
  bool lockRight_ = false;
  bool lockBottom_ = false;
  int32_t tabIndex_ = 0;
  std::map<int32_t, EventDelegate> handlers_;
};

}  // namespace framework
