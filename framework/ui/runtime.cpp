#include "framework/ui/runtime.h"

#include <QApplication>
#include <QByteArray>
#include <QEvent>
#include <QEventLoop>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "framework/background_task.h"
#include "framework/process_signals.h"
#include "framework/ui/application.h"
#include "framework/ui/runtime_observer.h"
#include "framework/ui/unhandled_exception.h"
#include "framework/ui/window.h"

namespace framework {
namespace {

struct RunState {
  bool quitRequested = false;
  int32_t exitStatus = 0;
  bool loopRunning = false;
};

RunState state;
std::string programName = "program";
// The application the run-time made itself, and so ends in RuntimeExit.
std::unique_ptr<QApplication> ownedApplication;
// QApplication keeps references to these for its whole life.
int applicationArgc = 0;
char* applicationArgv[2] = {nullptr, nullptr};

std::string BaseName(const char* path) {
  std::string name = path ? path : "";
  size_t slash = name.find_last_of('/');
  return slash == std::string::npos ? name : name.substr(slash + 1);
}

void ReportNoDisplay() {
  std::fprintf(stderr, "%s: cannot open a window: no display is available\n", programName.c_str());
}

// Without DISPLAY or WAYLAND_DISPLAY the X11 and Wayland platforms cannot
// start; Qt would abort with a page of warnings, so this is checked first.
bool DisplayVariablesMissing() {
#if defined(Q_OS_MACOS) || defined(Q_OS_WIN)
  return false;
#else
  QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  bool display = !qEnvironmentVariableIsEmpty("DISPLAY");
  bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
  if (platform.isEmpty()) return !display && !wayland;
  if (platform.startsWith("xcb")) return !display;
  if (platform.startsWith("wayland")) return !wayland;
  return false;
#endif
}

// While the toolkit starts, its messages are held back; a fatal one (no
// display could be reached) becomes the one line of ReportNoDisplay.
void StartupMessageHandler(QtMsgType type, const QMessageLogContext&, const QString&) {
  if (type == QtFatalMsg) {
    ReportNoDisplay();
    std::_Exit(1);
  }
}

// Qt's own texts, those of the file dialog and the message box, follow the
// desktop's language; Qt shows them in English unless its translation is
// installed. Where none fits, they stay English. The translator is the
// application's child and ends with it.
void InstallToolkitTranslation() {
  static QPointer<QTranslator> installed;
  if (installed) return;
  auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
  if (!translator->load(QLocale::system(), "qtbase", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    return;
  }
  QCoreApplication::installTranslator(translator.get());
  installed = translator.release();
  // A right-to-left language would mirror the window, whose layout is fixed.
  QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

}  // namespace

bool RuntimeInit(int argc, char** argv) {
  // First of all: the toolkit and the program may write files from here on.
  IgnoreFileSizeSignal();
  programName = BaseName(argc > 0 ? argv[0] : nullptr);
  state = RunState{};
  ResetUnhandledExceptionState();
  if (!QCoreApplication::instance()) {
    if (DisplayVariablesMissing()) {
      ReportNoDisplay();
      return false;
    }
    // The program reads no arguments; the toolkit gets the program's name only.
    applicationArgc = 1;
    applicationArgv[0] = argc > 0 ? argv[0] : const_cast<char*>("program");
    QtMessageHandler previous = qInstallMessageHandler(StartupMessageHandler);
    ownedApplication = std::make_unique<QApplication>(applicationArgc, applicationArgv);
    qInstallMessageHandler(previous);
  }
  // The program quits through Quit; the toolkit's own quitting would skip
  // the Close events.
  QGuiApplication::setQuitOnLastWindowClosed(false);
  InstallToolkitTranslation();
  // Long loops let repaints and timers through, but not the user's input: a
  // click on "JSX作成" during a run would start a second run inside it.
  SetBackgroundTaskHandler(
      [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
  return true;
}

void RunFrameworkInitialization(const std::function<void()>& startup) { startup(); }

void RuntimeRun() {
  NotifyRuntimeObserver("event loop");
  if (state.quitRequested) return;
  state.loopRunning = true;
  QCoreApplication::exec();
  state.loopRunning = false;
}

void Quit(int32_t exitStatus) {
  if (state.quitRequested) return;
  state.quitRequested = true;
  state.exitStatus = exitStatus;
  if (state.loopRunning) QCoreApplication::exit(exitStatus);
}

bool QuitRequested() { return state.quitRequested; }

bool QuitMenuAction() {
  for (const std::shared_ptr<Window>& window : OpenWindows()) {
    CallHandler([&window] { window->Close(); });
  }
  Quit(0);
  return true;
}

void RuntimeReleaseGlobals() {
  ReleaseOpenWindows();
  ReleaseAppObject();
  if (QCoreApplication::instance()) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  NotifyRuntimeObserver("globals released");
}

int32_t RuntimeExit() {
  SetBackgroundTaskHandler(nullptr);
  ownedApplication.reset();
  if (state.quitRequested) return state.exitStatus;
  return RuntimeReportedUnhandledException() ? 1 : 0;
}

}  // namespace framework
