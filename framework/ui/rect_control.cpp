#include "framework/ui/rect_control.h"

#include <QObject>
#include <QWidget>
#include <algorithm>

#include "framework/errors.h"
#include "framework/ui/file_drop.h"
#include "framework/ui/qt_conversions.h"
#include "framework/ui/unhandled_exception.h"
#include "framework/ui/window.h"

namespace framework {

RectControl::RectControl(Window& window, QWidget* widget)
    : window_(window), widget_(widget), context_(std::make_unique<QObject>()) {
  widget_->setParent(window.ContentWidget());
  widget_->show();
}

// The widget goes with the window's content area, which may still be
// handling a toolkit event; the connections end here, with the context.
RectControl::~RectControl() = default;

const ClassRecord& RectControl::Lookup() {
  static const ClassRecord* record = nullptr;
  return BuildClassRecord(record, "RectControl", nullptr);
}

RectControl::Bounds RectControl::CurrentBounds() const {
  int32_t dx = window_.Width() - referenceWidth_;
  int32_t dy = window_.Height() - referenceHeight_;
  Bounds bounds = base_;
  if (lockRight_) (lockLeft_ ? bounds.width : bounds.left) += dx;
  if (lockBottom_) (lockTop_ ? bounds.height : bounds.top) += dy;
  return bounds;
}

void RectControl::SetBounds(Bounds bounds) {
  base_ = bounds;
  referenceWidth_ = window_.Width();
  referenceHeight_ = window_.Height();
  Relayout();
}

template <class Change>
void RectControl::ChangeFromCurrentPlace(Change change) {
  Bounds bounds = CurrentBounds();
  change(bounds);
  SetBounds(bounds);
}

void RectControl::SetLeft(int32_t left) {
  ChangeFromCurrentPlace([left](Bounds& bounds) { bounds.left = left; });
}

void RectControl::SetTop(int32_t top) {
  ChangeFromCurrentPlace([top](Bounds& bounds) { bounds.top = top; });
}

void RectControl::SetWidth(int32_t width) {
  ChangeFromCurrentPlace([width](Bounds& bounds) { bounds.width = width; });
}

void RectControl::SetHeight(int32_t height) {
  ChangeFromCurrentPlace([height](Bounds& bounds) { bounds.height = height; });
}

// A lock acts from the moment it is set: the place the control has now is
// where it is tied from.
void RectControl::SetLockLeft(bool on) {
  ChangeFromCurrentPlace([this, on](Bounds&) { lockLeft_ = on; });
}

void RectControl::SetLockTop(bool on) {
  ChangeFromCurrentPlace([this, on](Bounds&) { lockTop_ = on; });
}

void RectControl::SetLockRight(bool on) {
  ChangeFromCurrentPlace([this, on](Bounds&) { lockRight_ = on; });
}

void RectControl::SetLockBottom(bool on) {
  ChangeFromCurrentPlace([this, on](Bounds&) { lockBottom_ = on; });
}

void RectControl::Relayout() {
  Bounds bounds = CurrentBounds();
  QPoint origin(bounds.left, bounds.top);
  QWidget* content = window_.ContentWidget();
  QWidget* parent = widget_->parentWidget();
  if (parent && parent != content) origin = parent->mapFrom(content, origin);
  widget_->setGeometry(origin.x(), origin.y(), std::max(bounds.width, 0),
                       std::max(bounds.height, 0));
}

bool RectControl::Visible() const { return !widget_->isHidden(); }

void RectControl::SetVisible(bool visible) { widget_->setVisible(visible); }

bool RectControl::Enabled() const { return widget_->isEnabled(); }

void RectControl::SetEnabled(bool enabled) { widget_->setEnabled(enabled); }

String RectControl::HelpTag() const { return widget_->toolTip().toStdString(); }

void RectControl::SetHelpTag(std::string_view helpTag) { widget_->setToolTip(ToQString(helpTag)); }

void RectControl::SetInitialParent(std::string_view parentName) {
  QWidget* parent = window_.ContentWidget();
  if (!parentName.empty()) {
    RectControl* control = window_.ControlByName(parentName);
    if (!control || control == this) {
      throw NilObjectException("No control named \"" + std::string(parentName) + "\" to hold \"" +
                               name_ + "\"");
    }
    parent = control->Widget();
  }
  if (widget_->parentWidget() == parent) return;
  widget_->setParent(parent);
  widget_->show();
  Relayout();
}

void RectControl::Refresh(bool immediately) {
  if (immediately) {
    widget_->repaint();
  } else {
    widget_->update();
  }
}

void RectControl::AcceptFileDrop(std::string_view typeName) {
  InstallFileDrop(*this, std::string(typeName), context_.get());
}

void RectControl::AddEventHandler(int32_t eventNumber, EventDelegate handler) {
  handlers_[eventNumber] = std::move(handler);
}

bool RectControl::HasEventHandler(int32_t eventNumber) const {
  return handlers_.count(eventNumber) != 0;
}

bool RectControl::RaiseEvent(int32_t eventNumber, const EventArguments& arguments) {
  auto found = handlers_.find(eventNumber);
  if (found == handlers_.end()) return false;
  // A copy: the handler may replace its own hook while it runs.
  EventDelegate handler = found->second;
  CallHandler([&] { handler(*this, arguments); });
  return true;
}

void RectControl::DescribeProperties(PropertyTable& table) {
  table.String("Name", [this](const String& v) { SetName(v); });
  table.Int32("Index", [this](int32_t v) { SetIndex(v); });
  table.Int32("Left", [this](int32_t v) { SetLeft(v); });
  table.Int32("Top", [this](int32_t v) { SetTop(v); });
  table.Int32("Width", [this](int32_t v) { SetWidth(v); });
  table.Int32("Height", [this](int32_t v) { SetHeight(v); });
  table.Boolean("LockLeft", [this](bool v) { SetLockLeft(v); });
  table.Boolean("LockTop", [this](bool v) { SetLockTop(v); });
  table.Boolean("LockRight", [this](bool v) { SetLockRight(v); });
  table.Boolean("LockBottom", [this](bool v) { SetLockBottom(v); });
  table.Kept("TabPanelIndex", PropertyType::kInt32, keptProperties_);
  table.Int32("TabIndex", [this](int32_t v) { SetTabIndex(v); });
  table.Boolean("Visible", [this](bool v) { SetVisible(v); });
  table.Boolean("Enabled", [this](bool v) { SetEnabled(v); });
  table.String("HelpTag", [this](const String& v) { SetHelpTag(v); });
  table.Kept("AutoDeactivate", PropertyType::kBoolean, keptProperties_);
  table.String("InitialParent", [this](const String& v) { SetInitialParent(v); });
}

}  // namespace framework
