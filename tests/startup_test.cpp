#include "app/startup.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/file_types1.h"
#include "app/menu_bar1.h"
#include "app/window1.h"
#include "app/window_position.h"
#include "framework/errors.h"
#include "framework/ui/application.h"
#include "framework/ui/class_record.h"
#include "framework/ui/file_type.h"
#include "framework/ui/runtime.h"
#include "framework/ui/runtime_observer.h"
#include "framework/ui/unhandled_exception.h"
#include "framework/ui/window.h"
#include "tests/support/message_boxes.h"
#include "tests/support/started_program.h"

namespace yorvane {

namespace {

// Records the run-time's steps and the reports of a whole run.
class ProgramRun : public testing::Test {
 protected:
  void SetUp() override {
    framework::SetRuntimeObserver([this](std::string_view event) {
      events_.emplace_back(event);
      if (failAt_ == event) throw framework::NilObjectException("failed at " + failAt_);
    });
    framework::SetUnhandledExceptionReporter(
        [this](const std::string& className, const std::string& message) {
          reports_.push_back(className + ": " + message);
          events_.push_back("report");
        });
  }
  void TearDown() override {
    framework::SetRuntimeObserver(nullptr);
    framework::SetUnhandledExceptionReporter(nullptr);
  }

  // The events of `events_` that start with one of `prefixes`, in order.
  std::vector<std::string> Steps(std::initializer_list<std::string> prefixes) const {
    std::vector<std::string> steps;
    for (const std::string& event : events_) {
      for (const std::string& prefix : prefixes) {
        if (event.starts_with(prefix)) steps.push_back(event);
      }
    }
    return steps;
  }

  void ExpectGlobalsReleased() const {
    EXPECT_EQ(MenuBar1::implicitInstance, nullptr);
    EXPECT_EQ(FileTypes1::pText, nullptr);
    EXPECT_EQ(FileTypes1::pAny, nullptr);
    EXPECT_EQ(framework::RegisteredApplication(), nullptr);
    EXPECT_TRUE(framework::OpenWindows().empty());
    EXPECT_FALSE(framework::FindRegisteredFileType("text/plain"));
    EXPECT_FALSE(framework::FindRegisteredFileType("special/any"));
  }

  std::vector<std::string> events_;
  std::vector<std::string> reports_;
  std::string failAt_ = "(never)";
};

TEST_F(ProgramRun, BuildsClassRecordsFrameworkFirstThenAppWindow1MenuBar1) {
  framework::RuntimeInit(TestArgc(), TestArgv());
  initialize();
  std::vector<std::string> order;
  for (const framework::ClassRecord* record : framework::ClassRecordsInBuildOrder()) {
    order.push_back(record->runtimeName);
  }
  auto at = [&order](const std::string& name) {
    return std::find(order.begin(), order.end(), name) - order.begin();
  };
  ASSERT_LT(at("MenuBar1.MenuBar1"), static_cast<long>(order.size()));
  EXPECT_LT(at("Window"), at("FileType"));
  EXPECT_LT(at("Label"), at("FileType"));
  EXPECT_LT(at("FileType"), at("App"));
  EXPECT_LT(at("App"), at("Window1.Window1"));
  EXPECT_LT(at("Window1.Window1"), at("MenuBar1.MenuBar1"));
  EXPECT_EQ(App::Lookup().parent, &framework::Application::Lookup());
  EXPECT_EQ(Window1::Lookup().parent, &framework::Window::Lookup());
  EXPECT_EQ(MenuBar1::Lookup().parent, &framework::MenuBar::Lookup());
  const std::vector<std::string> window1Operations = {"Layout",
                                                      "CreateControls",
                                                      "CreateControls0",
                                                      "ST1",
                                                      "fileselect",
                                                      "Rectangle1",
                                                      "drop",
                                                      "makejsx",
                                                      "setacrobat",
                                                      "pageplus",
                                                      "Label1",
                                                      "fileselect_Action",
                                                      "drop_Open",
                                                      "drop_DropObject",
                                                      "makejsx_Action",
                                                      "setacrobat_Action",
                                                      "FileMenu",
                                                      "FileQuit",
                                                      "EditMenu",
                                                      "EditUndo",
                                                      "UntitledMenu1",
                                                      "EditCut",
                                                      "EditCopy",
                                                      "EditPaste",
                                                      "EditClear",
                                                      "UntitledMenu0",
                                                      "EditSelectAll",
                                                      "Event_Open",
                                                      "Event_Close",
                                                      "SetST1",
                                                      "fmakejsx"};
  EXPECT_EQ(Window1::Lookup().operations, window1Operations);
}

// The program closes its window from inside the event loop, by each of the
// two ways a user ends it.
struct Ending {
  const char* name;
  void (*end)();
};

void PrintTo(const Ending& value, std::ostream* out) { *out << value.name; }

class ProgramEnding : public ProgramRun, public testing::WithParamInterface<Ending> {};

TEST_P(ProgramEnding, RunsStartUpLoopAndOrdinaryShutDownWithStatusZero) {
  bool loopRan = false;
  framework::RuntimeInit(TestArgc(), TestArgv());
  QTimer::singleShot(0, [&loopRan] {
    loopRan = true;
    GetParam().end();
  });
  int status = RunProgram(TestArgc(), TestArgv());
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(loopRan);
  EXPECT_TRUE(reports_.empty());
  EXPECT_EQ(Steps({"file type", "application", "window created", "event loop", "globals",
                   "menu bar released"}),
            (std::vector<std::string>{
                "file type registered text/plain", "file type registered special/any",
                "application registered App", "window created Window1.Window1", "event loop",
                "globals released", "menu bar released MenuBar1.MenuBar1",
                "file type deregistered text/plain", "file type deregistered special/any"}));
  ExpectGlobalsReleased();
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ProgramEnding,
    testing::Values(Ending{"CloseButton", [] { Window1()->Widget()->close(); }},
                    Ending{"QuitMenuItem",
                           [] {
                             auto* quit =
                                 Window1()->MenuBarWidget()->findChild<QAction*>("FileQuit");
                             ASSERT_NE(quit, nullptr);
                             quit->trigger();
                           }}),
    [](const testing::TestParamInfo<Ending>& info) { return info.param.name; });

TEST_F(ProgramRun, ExceptionDuringStartUpIsReportedLoopSkippedAndShutDownOrdinary) {
  failAt_ = "window created Window1.Window1";
  int status = RunProgram(TestArgc(), TestArgv());
  EXPECT_EQ(reports_, std::vector<std::string>{"NilObjectException: failed at " + failAt_});
  EXPECT_EQ(std::count(events_.begin(), events_.end(), "event loop"), 0);
  EXPECT_EQ(Steps({"report", "globals"}), (std::vector<std::string>{"report", "globals released"}));
  // A start-up that failed does not end as a success.
  EXPECT_EQ(status, 1);
  ExpectGlobalsReleased();
}

TEST_F(ProgramRun, ReportIsTitledWithTheProgramsName) {
  framework::SetUnhandledExceptionReporter(nullptr);
  failAt_ = "application registered App";
  std::vector<ShownMessageBox> shown =
      AnswerMessageBoxesDuring([] { RunProgram(TestArgc(), TestArgv()); });
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].title, "Yorvane");
  EXPECT_EQ(shown[0].details, "NilObjectException: failed at application registered App");
}

TEST_F(ProgramRun, ExceptionBeforeTheWindowLeavesNoWindowBehind) {
  failAt_ = "application registered App";
  RunProgram(TestArgc(), TestArgv());
  EXPECT_EQ(reports_.size(), 1u);
  EXPECT_EQ(Steps({"window created", "event loop"}), std::vector<std::string>{});
  ExpectGlobalsReleased();
}

TEST_F(ProgramRun, SecondQuitDuringShutDownIsHarmless) {
  framework::RuntimeInit(TestArgc(), TestArgv());
  QTimer::singleShot(0, [] {
    framework::QuitMenuAction();
    framework::Quit(3);
    framework::QuitMenuAction();
  });
  EXPECT_EQ(RunProgram(TestArgc(), TestArgv()), 0);
  ExpectGlobalsReleased();
}

TEST_F(ProgramRun, ExceptionLeavingAButtonHandlerIsReportedAndTheProgramGoesOn) {
  framework::RuntimeInit(TestArgc(), TestArgv());
  int clicks = 0;
  QTimer::singleShot(0, [&clicks] {
    framework::BevelButton& button = *Window1()->makejsx();
    button.AddEventHandler(framework::kActionEvent,
                           [&clicks](framework::RectControl&, const framework::EventArguments&) {
                             ++clicks;
                             throw framework::IOException("disk full", 28);
                           });
    button.Push();
    button.Push();
    QTimer::singleShot(0, [] { Window1()->Close(); });
  });
  EXPECT_EQ(RunProgram(TestArgc(), TestArgv()), 0);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(reports_,
            (std::vector<std::string>{"IOException: disk full", "IOException: disk full"}));
}

// A window whose Close handler raises, as one that cannot keep what it
// saves at closing does.
class FailingCloseWindow : public framework::Window {
 public:
  FailingCloseWindow() {
    BindEvent(framework::WindowEvent::kClose,
              [] { throw framework::IOException("cannot keep the position", 13); });
  }
};

class FailingClose : public ProgramRun, public testing::WithParamInterface<Ending> {};

TEST_P(FailingClose, WindowStillClosesAndTheProgramQuits) {
  framework::RuntimeInit(TestArgc(), TestArgv());
  auto window = std::make_shared<FailingCloseWindow>();
  window->SetVisible(true);
  window->Constructor();
  QTimer::singleShot(0, window->Widget(), [] { GetParam().end(); });
  // Ends a loop that nothing else ends, so that the test fails instead of hanging.
  QTimer bound;
  bound.setSingleShot(true);
  QObject::connect(&bound, &QTimer::timeout, &bound, [] { QCoreApplication::exit(1); });
  bound.start(kPatience);
  framework::RuntimeRun();
  EXPECT_TRUE(framework::QuitRequested()) << "the loop ran until the bound";
  EXPECT_FALSE(window->IsOpen());
  EXPECT_FALSE(window->Widget()->isVisible());
  EXPECT_TRUE(framework::OpenWindows().empty());
  EXPECT_EQ(reports_, std::vector<std::string>{"IOException: cannot keep the position"});
  framework::RuntimeReleaseGlobals();
  EXPECT_EQ(framework::RuntimeExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, FailingClose,
    testing::Values(Ending{"CloseButton",
                           [] { framework::OpenWindows().front()->Widget()->close(); }},
                    Ending{"QuitMenuItem", [] { framework::QuitMenuAction(); }}),
    [](const testing::TestParamInfo<Ending>& info) { return info.param.name; });

using StartUp = StartedProgram;

TEST_F(StartUp, LeavesOneAppAndOneShownWindow1WithNoListAndThePreferenceFile) {
  WaitUntilExposed();
  ASSERT_NE(framework::RegisteredApplication(), nullptr);
  EXPECT_EQ(framework::RegisteredApplication()->Class().runtimeName, "App");
  ASSERT_EQ(framework::OpenWindows().size(), 1u);
  EXPECT_EQ(framework::OpenWindows().front(), window_);
  EXPECT_TRUE(window_->Widget()->isVisible());
  EXPECT_FALSE(window_->gTabFile());
  ASSERT_TRUE(window_->gMyPref());
  EXPECT_EQ(window_->gMyPref()->AbsolutePath(), PreferenceFile()->AbsolutePath());
  EXPECT_EQ(Window1(), window_);
  EXPECT_EQ(framework::OpenWindows().size(), 1u);
}

TEST_F(StartUp, WindowAndApplicationShareTheOneMenuBar) {
  ASSERT_NE(MenuBar1::implicitInstance, nullptr);
  EXPECT_EQ(framework::RegisteredApplication()->MenuBar(), MenuBar1::implicitInstance);
  EXPECT_EQ(window_->MenuBar(), MenuBar1::implicitInstance);
}

TEST_F(StartUp, RegistersBothFileTypes) {
  auto text = framework::FindRegisteredFileType("text/plain");
  ASSERT_TRUE(text);
  EXPECT_EQ(text->macType, "TEXT");
  EXPECT_EQ(text->macCreator, "????");
  EXPECT_EQ(text->extensions,
            (std::vector<std::string>{"asc", "ascii", "bas", "c", "class", "cp", "cpp", "h", "hp",
                                      "hpp", "i3", "java", "m2", "m3", "mak", "text", "txt"}));
  auto any = framework::FindRegisteredFileType("special/any");
  ASSERT_TRUE(any);
  EXPECT_TRUE(any->extensions.empty());
  EXPECT_EQ(any->macType, "????");
}

// Records what the accessor gives while the window's own Open and Close
// handlers run, then runs the real handlers.
class ProbeWindow1 : public Window1 {
 public:
  ProbeWindow1() {
    BindEvent(framework::WindowEvent::kOpen, [this] {
      seenInOpen = yorvane::Window1().get();
      windowsInOpen = framework::OpenWindows().size();
      Event_Open();
    });
    BindEvent(framework::WindowEvent::kClose, [this] {
      seenInClose = yorvane::Window1().get();
      windowsInClose = framework::OpenWindows().size();
      Event_Close();
    });
  }
  Window1* seenInOpen = nullptr;
  Window1* seenInClose = nullptr;
  size_t windowsInOpen = 0;
  size_t windowsInClose = 0;
};

TEST_F(StartUp, AccessorGivesTheWindowFromItsOwnOpenAndCloseHandlers) {
  window_->Close();
  window_.reset();
  ASSERT_TRUE(framework::OpenWindows().empty());
  auto probe = std::make_shared<ProbeWindow1>();
  probe->Constructor();
  EXPECT_EQ(probe->seenInOpen, probe.get());
  EXPECT_EQ(probe->windowsInOpen, 1u);
  EXPECT_EQ(Window1().get(), probe.get());
  probe->Close();
  EXPECT_EQ(probe->seenInClose, probe.get());
  EXPECT_EQ(probe->windowsInClose, 1u);
  EXPECT_TRUE(framework::OpenWindows().empty());
}

TEST_F(StartUp, ClosingTheWindowQuits) {
  EXPECT_FALSE(framework::QuitRequested());
  window_->Close();
  EXPECT_TRUE(framework::QuitRequested());
  EXPECT_FALSE(window_->IsOpen());
  EXPECT_FALSE(window_->Widget()->isVisible());
}

}  // namespace

}  // namespace yorvane
