#pragma once

#include <memory>

#include "framework/errors.h"
#include "framework/ui/drag_item.h"
#include "framework/ui/rect_control.h"
#include "framework/ui/window.h"

namespace framework {

// The control as class C; raises IllegalCastException when it is another.
template <class C>
C& RuntimeCheckCast(RectControl& control) {
  C* cast = dynamic_cast<C*>(&control);
  if (!cast) {
    throw IllegalCastException("The control \"" + control.Name() + "\" is a " +
                               control.Class().runtimeName);
  }
  return *cast;
}

namespace internal {

// The window a delegate was made for; raises NilObjectException when the
// window is gone, so that no handler runs on a window that no longer exists.
template <class W>
std::shared_ptr<W> LockTarget(const std::weak_ptr<W>& target) {
  std::shared_ptr<W> window = target.lock();
  if (!window) throw NilObjectException("The window of this event handler no longer exists");
  return window;
}

template <class W>
std::weak_ptr<W> WeakTarget(W& window) {
  return std::static_pointer_cast<W>(window.shared_from_this());
}

}  // namespace internal

// A delegate that calls `handler` of `window` with the control that raised
// the event (Action, Open). It reaches the window through a weak reference:
// it does not keep the window alive. `window` must be held by a shared_ptr.
template <class W, class C>
EventDelegate RuntimeCreateDelegate(W& window, void (W::*handler)(C&)) {
  std::weak_ptr<W> target = internal::WeakTarget(window);
  return [target, handler](RectControl& sender, const EventArguments&) {
    std::shared_ptr<W> receiver = internal::LockTarget(target);
    ((*receiver).*handler)(RuntimeCheckCast<C>(sender));
  };
}

// The same for a handler of DropObject, which also gets the dragged item
// and the drag action.
template <class W, class C>
EventDelegate RuntimeCreateDelegate(W& window, void (W::*handler)(C&, DragItem&, int32_t)) {
  std::weak_ptr<W> target = internal::WeakTarget(window);
  return [target, handler](RectControl& sender, const EventArguments& arguments) {
    std::shared_ptr<W> receiver = internal::LockTarget(target);
    if (!arguments.dragItem) throw NilObjectException("A drop without a dragged item");
    ((*receiver).*handler)(RuntimeCheckCast<C>(sender), *arguments.dragItem, arguments.action);
  };
}

// Attaches `handler` to `control` under `eventNumber`.
inline void RuntimeAddEventHandler(RectControl& control, int32_t eventNumber,
                                   EventDelegate handler) {
  control.AddEventHandler(eventNumber, std::move(handler));
}

}  // namespace framework
