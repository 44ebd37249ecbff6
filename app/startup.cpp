#include "app/startup.h"

#include "app/app.h"
#include "app/file_types1.h"
#include "app/menu_bar1.h"
#include "app/window1.h"
#include "framework/ui/application.h"
#include "framework/ui/runtime.h"
#include "framework/ui/unhandled_exception.h"

namespace yorvane {

void initialize() {
  framework::RuntimeInitializeFrameworkClasses();
  framework::FileType::Lookup();
  App::ctblinit();
  Window1::ctblinit();
  MenuBar1::ctblinit();
}

void Main() {
  try {
    framework::RunFrameworkInitialization(Startup);
    framework::RuntimeRun();
  } catch (...) {
    UnhandledException(std::current_exception());
  }
}

void Startup() {
  InitFileTypes();
  NewAppInstance();
  ApplicationAddMenuHandlers();
  MakeDefaultView();
}

void InitFileTypes() { FileTypes1::Initialize(); }

void NewAppInstance() {
  auto app = std::make_unique<App>();
  app->Constructor();
  app->SetMenuBar(MenuBar1());
  framework::RuntimeRegisterAppObject(std::move(app));
}

void ApplicationAddMenuHandlers() {}

void MakeDefaultView() { Window1(); }

void UnhandledException(std::exception_ptr exception) {
  framework::RuntimeUnhandledException(exception);
}

void finalize() {
  framework::RuntimeReleaseGlobals();
  MenuBar1::implicitInstance.reset();
  FileTypes1::pText.reset();
  FileTypes1::pAny.reset();
}

int RunProgram(int argc, char** argv) {
  framework::SetApplicationDisplayName(kApplicationName);
  if (!framework::RuntimeInit(argc, argv)) return 1;
  initialize();
  Main();
  finalize();
  return framework::RuntimeExit();
}

}  // namespace yorvane
