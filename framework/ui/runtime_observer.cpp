#include "framework/ui/runtime_observer.h"

namespace framework {
namespace {

std::function<void(std::string_view)>& Observer() {
  static std::function<void(std::string_view)> observer;
  return observer;
}

}  // namespace

void SetRuntimeObserver(std::function<void(std::string_view event)> observer) {
  Observer() = std::move(observer);
}

void NotifyRuntimeObserver(const std::string& event) {
  if (Observer()) Observer()(event);
}

}  // namespace framework
