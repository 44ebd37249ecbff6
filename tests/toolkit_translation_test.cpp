// Qt's own texts, in the dialog "参照" opens and in the report box, follow
// the desktop's language, while the program's own texts and the window's
// left-to-right layout stay as they are. CTest runs this once for each
// desktop of kDesktops, with LANG set to it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/window1.h"
#include "framework/ui/unhandled_exception.h"
#include "tests/support/message_boxes.h"
#include "tests/support/started_program.h"

namespace yorvane {

namespace {

// Qt's texts as a desktop in the language of `lang` shows them.
struct Desktop {
  std::string lang;
  std::string cancel;       // the dialog's cancel button
  std::string lookIn;       // the label of the dialog's folder box
  std::string showDetails;  // the report box's details button
};

const Desktop kDesktops[] = {
    {"ja_JP.UTF-8", "キャンセル", "アドレス:", "詳細を表示..."},
    {"C", "Cancel", "Look in:", "Show Details..."},
    // Right to left: Qt would mirror the window's layout along with its texts.
    {"he_IL.UTF-8", "ביטול", "חפש בתוך:", "הצג פרטים..."},
};

class ToolkitTranslationTest : public StartedProgram {
 protected:
  void SetUp() override {
    for (const char* overriding : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"}) {
      ASSERT_EQ(std::getenv(overriding), nullptr) << overriding << " would override LANG";
    }
    const char* lang = std::getenv("LANG");
    const Desktop* desktop =
        std::find_if(std::begin(kDesktops), std::end(kDesktops),
                     [lang](const Desktop& d) { return lang && d.lang == lang; });
    ASSERT_NE(desktop, std::end(kDesktops)) << "LANG names no desktop of kDesktops; CTest sets it";
    desktop_ = *desktop;
    StartedProgram::SetUp();
  }

  Desktop desktop_;
};

TEST_F(ToolkitTranslationTest, ListDialogShowsQtsTextsInTheDesktopsLanguage) {
  std::string title;
  std::string cancel;
  std::string lookIn;
  bool seen = false;
  QDeadlineTimer patience(kPatience);
  // Runs inside the dialog's own event loop: reads it, then closes it.
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
    if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
      seen = true;
      title = dialog->windowTitle().toStdString();
      if (auto* buttons = dialog->findChild<QDialogButtonBox*>("buttonBox")) {
        if (QPushButton* button = buttons->button(QDialogButtonBox::Cancel)) {
          cancel = button->text().toStdString();
        }
      }
      if (auto* label = dialog->findChild<QLabel*>("lookInLabel")) {
        lookIn = label->text().toStdString();
      }
      dialog->reject();
    }
    if (seen || patience.hasExpired()) poll.stop();
  });
  poll.start(10);
  QTest::mouseClick(window_->fileselect()->Widget(), Qt::LeftButton);
  poll.stop();
  ASSERT_TRUE(seen) << "no dialog was shown";
  EXPECT_EQ(title, "Tab区切りテキストUTF-8を選択");
  EXPECT_EQ(cancel, desktop_.cancel);
  EXPECT_EQ(lookIn, desktop_.lookIn);
}

TEST_F(ToolkitTranslationTest, ReportBoxShowsQtsButtonsInTheDesktopsLanguage) {
  framework::SetUnhandledExceptionReporter(nullptr);
  const std::vector<ShownMessageBox> shown = AnswerMessageBoxesDuring([] {
    framework::RuntimeUnhandledException(std::make_exception_ptr(std::runtime_error("broken")));
  });
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "予期しないエラーが起きました。");
  const std::vector<std::string>& buttons = shown[0].buttons;
  EXPECT_NE(std::find(buttons.begin(), buttons.end(), desktop_.showDetails), buttons.end())
      << "buttons: " << testing::PrintToString(buttons);
}

TEST_F(ToolkitTranslationTest, WindowKeepsItsLeftToRightLayout) {
  EXPECT_EQ(QApplication::layoutDirection(), Qt::LeftToRight);
  EXPECT_EQ(window_->Widget()->layoutDirection(), Qt::LeftToRight);
}

}  // namespace

}  // namespace yorvane
