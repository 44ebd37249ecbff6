#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace framework {

// Receives a line for each step of the run-time's life that tests check the
// order of: "class <name>", "window list", "file type registered <name>",
// "file type deregistered <name>", "application registered <class>",
// "window created <class>", "event loop", "menu bar released <class>",
// "globals released". An exception the observer raises leaves the step.
void SetRuntimeObserver(std::function<void(std::string_view event)> observer);

void NotifyRuntimeObserver(const std::string& event);

}  // namespace framework
