#pragma once

#include "framework/ui/application.h"

namespace yorvane {

// The application object: an Application that adds nothing.
class App : public framework::Application {
 public:
  App();

  static const framework::ClassRecord& Lookup();
  static void ctblinit() { Lookup(); }

  void Constructor() {}
};

}  // namespace yorvane
