#pragma once

#include <string_view>

#include "framework/ui/application.h"

namespace yorvane {

// The program's name: its window's title and the title of its reports.
inline constexpr std::string_view kApplicationName = "Yorvane";

// The application object: an Application that adds nothing.
class App : public framework::Application {
 public:
  App();

  static const framework::ClassRecord& Lookup();
  static void ctblinit() { Lookup(); }

  void Constructor() {}
};

}  // namespace yorvane
