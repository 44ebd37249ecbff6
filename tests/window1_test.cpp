#include "app/window1.h"

#include <gtest/gtest.h>
#include <qpa/qwindowsysteminterface.h>

#include <QDeadlineTimer>
#include <QFont>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <string>
#include <vector>

#include "framework/background_task.h"
#include "framework/errors.h"
#include "framework/ui/event_delegate.h"
#include "tests/support/started_program.h"

namespace yorvane {

namespace {

using Window1Test = StartedProgram;

TEST_F(Window1Test, HasItsTitleContentSizeSizeLimitsAndButtons) {
  WaitUntilExposed();
  QWidget* widget = window_->Widget();
  EXPECT_EQ(window_->Title(), "Yorvane");
  EXPECT_EQ(widget->windowTitle(), "Yorvane");
  EXPECT_EQ(window_->Width(), 411);
  EXPECT_EQ(window_->Height(), 165);
  EXPECT_EQ(window_->ContentWidget()->size(), QSize(411, 165));
  int menuBarHeight = window_->MenuBarWidget()->height();
  EXPECT_GT(menuBarHeight, 0);
  EXPECT_EQ(window_->ContentWidget()->y(), menuBarHeight);
  EXPECT_EQ(widget->size(), QSize(411, 165 + menuBarHeight));
  EXPECT_EQ(widget->minimumSize(), QSize(64, 64 + menuBarHeight));
  EXPECT_EQ(widget->maximumSize(), QSize(32000, 32000 + menuBarHeight));
  Qt::WindowFlags flags = widget->windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(window_->Resizeable());
}

struct ControlCase {
  const char* name;
  const char* className;
  int left, top, width, height;
  const char* text;
};

void PrintTo(const ControlCase& value, std::ostream* out) { *out << value.name; }

std::string ShownText(framework::RectControl& control) {
  if (auto* label = dynamic_cast<framework::Label*>(&control)) return label->Text();
  if (auto* button = dynamic_cast<framework::BevelButton*>(&control)) return button->Caption();
  if (auto* field = dynamic_cast<framework::TextField*>(&control)) return field->Text();
  return "";
}

const ControlCase kControls[] = {
    {"ST1", "Label", 8, 146, 395, 19, "Acrobatの色の置換機能を使ってグレースケールにします。"},
    {"fileselect", "BevelButton", 359, 15, 48, 22, "参照"},
    {"Rectangle1", "Rectangle", 8, 14, 339, 23, ""},
    {"drop", "Label", 11, 16, 336, 21, "Tab区切りテキストUTF-8をドロップ。"},
    {"makejsx", "BevelButton", 102, 84, 202, 22, "JSX作成"},
    {"setacrobat", "BevelButton", 104, 112, 202, 22, "Acrobatにしおりをつける"},
    {"pageplus", "TextField", 246, 50, 44, 22, "0"},
    {"Label1", "Label", 125, 52, 118, 20, "ページにプラスする値："},
};

class ControlTableTest : public StartedProgram, public testing::WithParamInterface<ControlCase> {};

TEST_P(ControlTableTest, StandsWhereTheTableSaysWithItsText) {
  const ControlCase& expected = GetParam();
  framework::RectControl* control = window_->ControlByName(expected.name);
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(control->Class().runtimeName, expected.className);
  EXPECT_EQ(control->Left(), expected.left);
  EXPECT_EQ(control->Top(), expected.top);
  EXPECT_EQ(control->Width(), expected.width);
  EXPECT_EQ(control->Height(), expected.height);
  QWidget* widget = control->Widget();
  QPoint inContent = widget->mapTo(window_->ContentWidget(), QPoint(0, 0));
  EXPECT_EQ(QRect(inContent, widget->size()),
            QRect(expected.left, expected.top, expected.width, expected.height));
  EXPECT_EQ(ShownText(*control), expected.text);
  EXPECT_TRUE(control->Visible());
  EXPECT_TRUE(control->Enabled());
  if (dynamic_cast<framework::TextControl*>(control)) {
    EXPECT_EQ(widget->font().pixelSize(), 10);
    EXPECT_EQ(widget->font().family(), QFont().family());
  }
}

INSTANTIATE_TEST_SUITE_P(Controls, ControlTableTest, testing::ValuesIn(kControls),
                         [](const testing::TestParamInfo<ControlCase>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(Window1Test, ControlsAreAddedInTableOrderAndDropLiesInsideRectangle1) {
  std::vector<std::string> names;
  for (const auto& control : window_->Controls()) names.push_back(control->Name());
  EXPECT_EQ(names, (std::vector<std::string>{"ST1", "fileselect", "Rectangle1", "drop", "makejsx",
                                             "setacrobat", "pageplus", "Label1"}));
  EXPECT_EQ(window_->drop()->Widget()->parentWidget(), window_->Rectangle1()->Widget());
  EXPECT_TRUE(window_->ST1()->Multiline());
  EXPECT_FALSE(window_->drop()->Multiline());
  EXPECT_EQ(window_->fileselect()->Widget()->focusPolicy(), Qt::TabFocus);
}

TEST_F(Window1Test, AccessorOfTheWrongClassRaises) {
  EXPECT_THROW(framework::RuntimeCheckCast<framework::Label>(*window_->fileselect()),
               framework::IllegalCastException);
}

// The user resizes the window by `dx` × `dy`; the controls follow their locks.
struct Resize {
  const char* name;
  int dx;
  int dy;
};

void PrintTo(const Resize& value, std::ostream* out) { *out << value.name; }

class ResizeTest : public StartedProgram, public testing::WithParamInterface<Resize> {};

TEST_P(ResizeTest, StretchesAndMovesOnlyTheControlsLockedRight) {
  WaitUntilExposed();
  const Resize& resize = GetParam();
  QWidget* widget = window_->Widget();
  widget->resize(widget->width() + resize.dx, widget->height() + resize.dy);
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return window_->Width() == 411 + resize.dx && window_->Height() == 165 + resize.dy; },
      kPatience))
      << "the content area stayed " << window_->Width() << " x " << window_->Height();
  for (const ControlCase& before : kControls) {
    framework::RectControl& control = *window_->ControlByName(before.name);
    std::string name = before.name;
    bool stretches = name == "Rectangle1" || name == "drop";
    bool moves = name == "fileselect";
    SCOPED_TRACE(name);
    EXPECT_EQ(control.Left(), before.left + (moves ? resize.dx : 0));
    EXPECT_EQ(control.Top(), before.top);
    EXPECT_EQ(control.Width(), before.width + (stretches ? resize.dx : 0));
    EXPECT_EQ(control.Height(), before.height);
    QPoint inContent = control.Widget()->mapTo(window_->ContentWidget(), QPoint(0, 0));
    EXPECT_EQ(QRect(inContent, control.Widget()->size()),
              QRect(control.Left(), control.Top(), control.Width(), control.Height()));
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ResizeTest,
                         testing::Values(Resize{"Wider", 57, 0}, Resize{"Taller", 0, 40},
                                         Resize{"WiderAndLower", 30, -60}),
                         [](const testing::TestParamInfo<Resize>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(Window1Test, SetST1PaintsEachMessageBeforeItReturns) {
  WaitUntilExposed();
  std::vector<std::string> painted;
  framework::Label::SetPaintObserver([&painted](framework::Label& label, const std::string& text) {
    if (label.Name() == "ST1") painted.push_back(text);
  });
  framework::BevelButton& button = *window_->setacrobat();
  button.AddEventHandler(
      framework::kActionEvent,
      [this, &painted](framework::RectControl&, const framework::EventArguments&) {
        window_->SetST1("しおり実行");
        EXPECT_EQ(painted, std::vector<std::string>{"しおり実行"});
        window_->SetST1("しおり完了");
      });
  QTest::mouseClick(button.Widget(), Qt::LeftButton);
  EXPECT_EQ(painted, (std::vector<std::string>{"しおり実行", "しおり完了"}));
  EXPECT_EQ(window_->ST1()->Text(), "しおり完了");
  window_->SetST1("");
  EXPECT_EQ(window_->ST1()->Text(), "");
  EXPECT_EQ(painted.back(), "");
}

TEST_F(Window1Test, JsxButtonWithoutAListReportsThroughTheStatusLine) {
  WaitUntilExposed();
  QTest::mouseClick(window_->makejsx()->Widget(), Qt::LeftButton);
  EXPECT_EQ(window_->ST1()->Text(), "ファイルを選択して下さい");
  EXPECT_TRUE(reports_.empty());
}

// A long loop lets pending work through, but a click waits until the handler
// that runs the loop has ended: otherwise a second run would start inside it.
TEST_F(Window1Test, ClicksWaitWhileALongLoopLetsWorkThrough) {
  WaitUntilExposed();
  const std::string initial = window_->ST1()->Text();
  QWidget* button = window_->makejsx()->Widget();
  QWindow* platformWindow = window_->Widget()->windowHandle();
  const QPoint local = button->mapTo(window_->Widget(), button->rect().center());
  const QPoint global = window_->Widget()->mapToGlobal(local);
  // Queued as the platform queues a user's click.
  using Delivery = QWindowSystemInterface::AsynchronousDelivery;
  QWindowSystemInterface::handleMouseEvent<Delivery>(platformWindow, local, global, Qt::LeftButton,
                                                     Qt::LeftButton, QEvent::MouseButtonPress);
  QWindowSystemInterface::handleMouseEvent<Delivery>(platformWindow, local, global, Qt::NoButton,
                                                     Qt::LeftButton, QEvent::MouseButtonRelease);
  // The second timer is started by the first: once it has run, the loop has
  // gone at least once through all the work pending before it, the queued
  // click included.
  int timersRun = 0;
  QTimer::singleShot(0, [&timersRun] {
    ++timersRun;
    QTimer::singleShot(0, [&timersRun] { ++timersRun; });
  });
  QDeadlineTimer patience(kPatience);
  while (timersRun < 2 && !patience.hasExpired()) framework::RuntimeBackgroundTask();
  ASSERT_EQ(timersRun, 2) << "timers did not run inside the loop";
  EXPECT_EQ(window_->ST1()->Text(), initial) << "the click ran inside the loop";
  QWindowSystemInterface::flushWindowSystemEvents();
  EXPECT_EQ(window_->ST1()->Text(), "ファイルを選択して下さい");
}

TEST_F(Window1Test, HooksOnlyTheFiveHandlersOfTheTable) {
  struct Hook {
    const char* control;
    int32_t event;
    bool hooked;
  };
  const Hook hooks[] = {
      {"fileselect", framework::kActionEvent, true}, {"drop", framework::kOpenEvent, true},
      {"drop", framework::kDropObjectEvent, true},   {"makejsx", framework::kActionEvent, true},
      {"setacrobat", framework::kActionEvent, true}, {"ST1", framework::kOpenEvent, false},
      {"Rectangle1", framework::kOpenEvent, false},  {"pageplus", framework::kActionEvent, false},
      {"Label1", framework::kOpenEvent, false},      {"drop", framework::kActionEvent, false},
  };
  for (const Hook& hook : hooks) {
    EXPECT_EQ(window_->ControlByName(hook.control)->HasEventHandler(hook.event), hook.hooked)
        << hook.control << " " << hook.event;
  }
}

TEST_F(Window1Test, EventAfterItsWindowIsGoneRaisesAndCallsNoHandler) {
  auto gone = std::make_shared<class Window1>();
  framework::EventDelegate handler =
      framework::RuntimeCreateDelegate(*gone, &Window1::makejsx_Action);
  gone.reset();
  framework::BevelButton& button = *window_->makejsx();
  EXPECT_THROW(handler(button, {}), framework::NilObjectException);
  button.AddEventHandler(framework::kActionEvent, handler);
  button.Push();
  EXPECT_EQ(reports_.size(), 1u);
  EXPECT_TRUE(reports_.front().starts_with("NilObjectException"));
  EXPECT_EQ(window_->ST1()->Text(), "Acrobatの色の置換機能を使ってグレースケールにします。");
}

TEST_F(Window1Test, DelegateDoesNotKeepItsWindowAlive) {
  auto probe = std::make_shared<class Window1>();
  std::weak_ptr<class Window1> watch = probe;
  framework::EventDelegate handler = framework::RuntimeCreateDelegate(*probe, &Window1::drop_Open);
  probe.reset();
  EXPECT_TRUE(watch.expired());
}

}  // namespace

}  // namespace yorvane
