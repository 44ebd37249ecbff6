#include "tests/support/message_boxes.h"

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
      shown.push_back({box->windowTitle().toStdString(), box->text().toStdString(),
                       box->detailedText().toStdString()});
      box->done(QMessageBox::Ok);
    }
  });
  answer.start(10);
  action();
  return shown;
}
