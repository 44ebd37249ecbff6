#pragma once

#include <memory>
#include <string_view>

#include "framework/text.h"
#include "framework/ui/class_record.h"
#include "framework/ui/menu_bar.h"

namespace framework {

// The application object. The framework holds the one registered object
// (RuntimeRegisterAppObject) until its globals are released at shut-down.
class Application {
 public:
  Application() : Application(Lookup()) {}
  // For a subclass: `record` is the subclass's own.
  explicit Application(const ClassRecord& record) : record_(record) {}
  virtual ~Application() = default;
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  static const ClassRecord& Lookup();
  const ClassRecord& Class() const { return record_; }

  // The application's menu bar, shared with the windows that show it.
  const std::shared_ptr<framework::MenuBar>& MenuBar() const { return menuBar_; }
  void SetMenuBar(std::shared_ptr<framework::MenuBar> menuBar) { menuBar_ = std::move(menuBar); }

 private:
  const ClassRecord& record_;
  std::shared_ptr<framework::MenuBar> menuBar_;
};

// The name by which the program presents itself to its user, as in the title
// of its reports. Until it is set, the toolkit's default: the executable's
// name, or nothing before the toolkit has started.
void SetApplicationDisplayName(std::string_view name);
String ApplicationDisplayName();

// Hands the application object to the framework, which holds it from now on.
void RuntimeRegisterAppObject(std::unique_ptr<Application> application);
// The registered application object; nullptr before registration and after
// shut-down.
Application* RegisteredApplication();
// Drops the registered object; part of RuntimeReleaseGlobals.
void ReleaseAppObject();

}  // namespace framework
