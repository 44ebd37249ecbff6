#include "framework/ui/application.h"

#include <QGuiApplication>

#include "framework/ui/qt_conversions.h"
#include "framework/ui/runtime_observer.h"

namespace framework {
namespace {

std::unique_ptr<Application>& Registered() {
  static std::unique_ptr<Application> application;
  return application;
}

}  // namespace

const ClassRecord& Application::Lookup() {
  static const ClassRecord* record = nullptr;
  return BuildClassRecord(record, "Application", nullptr);
}

void SetApplicationDisplayName(std::string_view name) {
  QGuiApplication::setApplicationDisplayName(ToQString(name));
}

String ApplicationDisplayName() { return QGuiApplication::applicationDisplayName().toStdString(); }

void RuntimeRegisterAppObject(std::unique_ptr<Application> application) {
  Registered() = std::move(application);
  NotifyRuntimeObserver("application registered " + Registered()->Class().runtimeName);
}

Application* RegisteredApplication() { return Registered().get(); }

void ReleaseAppObject() { Registered().reset(); }

}  // namespace framework
