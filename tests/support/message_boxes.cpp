#include "tests/support/message_boxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

std::vector<ShownMessageBox> AnswerMessageBoxesDuring(const std::function<void()>& action) {
  std::vector<ShownMessageBox> shown;
  // A modal box runs an event loop of its own, in which the timer looks for it.
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, &answer, [&shown] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(widget);
      if (!box || !box->isVisible()) continue;
      std::vector<std::string> buttons;
      for (const QAbstractButton* button : box->findChildren<QAbstractButton*>()) {
        buttons.push_back(button->text().toStdString());
      }
      shown.push_back({box->windowTitle().toStdString(), box->text().toStdString(),
                       box->detailedText().toStdString(), buttons});
      box->done(QMessageBox::Ok);
    }
  });
  answer.start(10);
  action();
  return shown;
}
