#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <cstdlib>

#include "tests/support/scoped_temp_dir.h"

namespace {

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform warns each time a window's size limits change.
void QuietOffscreenHandler(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
  if (message.contains("propagateSizeHints")) return;
  defaultHandler(type, context, message);
}

}  // namespace

// Widgets are tested offscreen; the application outlives every test, as the
// program's run-time keeps one for the whole process. The window keeps its
// position in the user's configuration folder: the tests get one of their
// own, so they neither read nor change the user's.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  ScopedTempDir configuration;
  setenv("XDG_CONFIG_HOME", configuration.Path().c_str(), 1);
  testing::InitGoogleTest(&argc, argv);
  defaultHandler = qInstallMessageHandler(QuietOffscreenHandler);
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
