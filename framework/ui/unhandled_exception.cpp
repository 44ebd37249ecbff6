#include "framework/ui/unhandled_exception.h"

#include <cxxabi.h>

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "framework/errors.h"
#include "framework/ui/qt_conversions.h"

namespace framework {
namespace {

UnhandledExceptionReporter& Reporter() {
  static UnhandledExceptionReporter reporter;
  return reporter;
}

bool reported = false;

std::string DemangledName(const std::type_info& type) {
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> name(
      abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
  return status == 0 && name ? name.get() : type.name();
}

void Describe(std::exception_ptr exception, std::string& className, std::string& message) {
  try {
    std::rethrow_exception(exception);
  } catch (const RuntimeException& e) {
    className = e.ClassName();
    message = e.Message();
  } catch (const std::exception& e) {
    className = DemangledName(typeid(e));
    message = e.what();
  } catch (...) {
    className = "unknown exception";
  }
}

}  // namespace

void SetUnhandledExceptionReporter(UnhandledExceptionReporter reporter) {
  Reporter() = std::move(reporter);
}

void RuntimeUnhandledException(std::exception_ptr exception) {
  reported = true;
  std::string className;
  std::string message;
  Describe(exception, className, message);
  if (Reporter()) {
    Reporter()(className, message);
  } else if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
    QMessageBox::critical(nullptr, QString(),
                          QString::fromUtf8("An exception of class %1 was not handled.\n\n%2")
                              .arg(ToQString(className), ToQString(message)));
  } else {
    std::fprintf(stderr, "An exception of class %s was not handled: %s\n", className.c_str(),
                 message.c_str());
  }
}

bool RuntimeReportedUnhandledException() { return reported; }

void ResetUnhandledExceptionState() { reported = false; }

void CallHandler(const std::function<void()>& handler) noexcept {
  try {
    handler();
  } catch (...) {
    try {
      RuntimeUnhandledException(std::current_exception());
    } catch (...) {
      // A report that fails itself has nowhere left to go in a toolkit callback.
      std::fputs("The report of an unhandled exception failed.\n", stderr);
    }
  }
}

}  // namespace framework
