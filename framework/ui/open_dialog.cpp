#include "framework/ui/open_dialog.h"

#include <QFileDialog>
#include <QStringList>
#include <QUrl>
#include <QWidget>

#include "framework/ui/file_type.h"
#include "framework/ui/qt_conversions.h"
#include "framework/ui/window.h"

namespace framework {
namespace {

OpenDialog::Answerer& TheAnswerer() {
  static OpenDialog::Answerer answerer;
  return answerer;
}

// "*.[tT][xX][tT]": the dialog matches names as the file system spells them,
// and a list saved as LIST.TXT is as much text as list.txt.
QString AnyCasePattern(const String& extension) {
  QString pattern = "*.";
  for (QChar c : ToQString(extension)) {
    pattern += c.isLetter() ? QString("[%1%2]").arg(c.toLower(), c.toUpper()) : QString(c);
  }
  return pattern;
}

QString NameFilter(const String& typeName) {
  std::optional<RegisteredFileType> type = FindRegisteredFileType(typeName);
  if (!type) return QString();
  QStringList patterns;
  for (const String& extension : type->extensions) patterns << AnyCasePattern(extension);
  return ToQString(typeName) + " (" + patterns.join(' ') + ")";
}

}  // namespace

void OpenDialog::SetAnswerer(Answerer answerer) { TheAnswerer() = std::move(answerer); }

std::optional<FolderItem> OpenDialog::ShowModal() {
  if (TheAnswerer()) return TheAnswerer()(*this);
  QFileDialog dialog(owner_.Widget(), ToQString(title_));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  if (QString filter = NameFilter(filter_); !filter.isEmpty()) dialog.setNameFilter(filter);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedUrls().isEmpty()) return std::nullopt;
  // A platform's own dialog may hand back a name that the toolkit's text
  // cannot hold; its URL still carries the file system's bytes.
  const QUrl chosen = dialog.selectedUrls().first();
  if (chosen.isLocalFile()) return FolderItem(PathOfLocalUrl(chosen));
  return FolderItem(FromQPath(dialog.selectedFiles().first()));
}

}  // namespace framework
