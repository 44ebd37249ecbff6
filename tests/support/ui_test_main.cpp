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
// position in the user's configuration folder, and the toolkit the state of
// its file dialog: the tests get a home of their own, every XDG folder in it,
// so they neither read nor change the user's.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  ScopedTempDir home;
  setenv("HOME", home.Path().c_str(), 1);
  setenv("XDG_CONFIG_HOME", (home.Path() / ".config").c_str(), 1);
  for (const char* variable : {"XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME"}) {
    unsetenv(variable);
  }
  testing::InitGoogleTest(&argc, argv);
  defaultHandler = qInstallMessageHandler(QuietOffscreenHandler);
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
