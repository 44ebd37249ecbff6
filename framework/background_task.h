#pragma once

#include <functional>

namespace framework {

// Lets the framework do pending work (events, repaints) during a long loop.
// Cheap to call on every pass: the handler runs at most every few milliseconds.
void RuntimeBackgroundTask();

// The work that RuntimeBackgroundTask runs; the window layer installs its
// event processing here. An empty handler makes RuntimeBackgroundTask a no-op.
void SetBackgroundTaskHandler(std::function<void()> handler);

}  // namespace framework
