#include "app/app.h"

namespace yorvane {

App::App() : Application(Lookup()) {}

const framework::ClassRecord& App::Lookup() {
  static const framework::ClassRecord* record = nullptr;
  return framework::BuildClassRecord(record, "App", &framework::Application::Lookup(),
                                     {"Constructor"});
}

}  // namespace yorvane
