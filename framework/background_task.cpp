#include "framework/background_task.h"

#include <chrono>

namespace framework {
namespace {

constexpr auto kInterval = std::chrono::milliseconds(5);
// The clock is read only every so many calls, so a call costs a counter step.
constexpr unsigned kCallsPerClockCheck = 256;

std::function<void()>& Handler() {
  static std::function<void()> handler;
  return handler;
}

}  // namespace

void SetBackgroundTaskHandler(std::function<void()> handler) { Handler() = std::move(handler); }

void RuntimeBackgroundTask() {
  static unsigned calls = 0;
  static auto lastRun = std::chrono::steady_clock::now();
  if (++calls % kCallsPerClockCheck != 0 || !Handler()) return;
  auto now = std::chrono::steady_clock::now();
  if (now - lastRun < kInterval) return;
  lastRun = now;
  Handler()();
}

}  // namespace framework
