#include "framework/ui/unhandled_exception.h"

#include <cxxabi.h>

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <typeinfo>

#include "framework/errors.h"
#include "framework/text.h"
#include "framework/ui/application.h"
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

// What the report says of an exception: first, for the person at the window,
// what went wrong; then, as details, its class and its message, which name
// the file or the script and the status.
struct Report {
  std::string className;
  std::string message;
  std::string text;
  std::string details;
};

Report Describe(std::exception_ptr exception) {
  Report report;
  try {
    std::rethrow_exception(exception);
  } catch (const CompiledScriptException& e) {
    report = {e.ClassName(), e.Message(), e.ErrorOutput(), ""};
    if (report.text.empty()) {
      report.text = "コンパイル済みスクリプト" + Str(e.Script()) + "が失敗しました。";
    }
  } catch (const IOException& e) {
    report = {e.ClassName(), e.Message(), e.Message(), ""};
    if (!e.Path().empty() && e.ErrorNumber() != 0) {
      report.text =
          "ファイル「" + e.Path() + "」に書き込めません：" + std::strerror(e.ErrorNumber());
    }
  } catch (const RuntimeException& e) {
    report = {e.ClassName(), e.Message(), "", ""};
  } catch (const std::exception& e) {
    report = {DemangledName(typeid(e)), e.what(), "", ""};
  } catch (...) {
    report.className = "unknown exception";
  }
  if (report.text.empty()) report.text = "予期しないエラーが起きました。";
  report.details = report.className;
  if (!report.message.empty()) report.details += ": " + report.message;
  return report;
}

void ShowMessageBox(const Report& report) {
  QMessageBox box(QMessageBox::Critical, ToQString(ApplicationDisplayName()),
                  ToQString(report.text), QMessageBox::Ok, QApplication::activeWindow());
  // An error output is shown as it stands, never read as markup.
  box.setTextFormat(Qt::PlainText);
  box.setDetailedText(ToQString(report.details));
  box.exec();
}

}  // namespace

void SetUnhandledExceptionReporter(UnhandledExceptionReporter reporter) {
  Reporter() = std::move(reporter);
}

void RuntimeUnhandledException(std::exception_ptr exception) {
  reported = true;
  const Report report = Describe(exception);
  if (Reporter()) {
    Reporter()(report.className, report.message);
  } else if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
    ShowMessageBox(report);
  } else {
    const std::string name = ApplicationDisplayName();
    std::fprintf(stderr, "%s%s%s\n%s\n", name.c_str(), name.empty() ? "" : ": ",
                 report.text.c_str(), report.details.c_str());
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
