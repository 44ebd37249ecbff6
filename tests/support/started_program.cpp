#include "tests/support/started_program.h"

#include <QTest>
#include <QWidget>

#include "app/startup.h"
#include "framework/ui/label.h"
#include "framework/ui/runtime.h"
#include "framework/ui/runtime_observer.h"
#include "framework/ui/unhandled_exception.h"

namespace yorvane {

namespace {

char programName[] = "ui_tests";
char* arguments[] = {programName, nullptr};

}  // namespace

int TestArgc() { return 1; }
char** TestArgv() { return arguments; }

void StartedProgram::SetUp() {
  framework::SetUnhandledExceptionReporter(
      [this](const std::string& className, const std::string& message) {
        reports_.push_back(className + ": " + message);
      });
  ASSERT_TRUE(framework::RuntimeInit(TestArgc(), TestArgv()));
  initialize();
  Startup();
  window_ = Window1();
}

void StartedProgram::TearDown() {
  window_.reset();
  finalize();
  framework::SetRuntimeObserver(nullptr);
  framework::SetUnhandledExceptionReporter(nullptr);
  framework::Label::SetPaintObserver(nullptr);
}

void StartedProgram::WaitUntilExposed() {
  QWidget* widget = window_->Widget();
  widget->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(widget, kPatience));
  ASSERT_TRUE(QTest::qWaitForWindowActive(widget, kPatience));
}

}  // namespace yorvane
