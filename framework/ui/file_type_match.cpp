#include "framework/ui/file_type_match.h"

#include <QFileInfo>
#include <QMimeDatabase>
#include <QString>
#include <algorithm>

#include "framework/ui/file_type.h"
#include "framework/ui/qt_conversions.h"

namespace framework {

bool FileMatchesType(const FolderItem& item, std::string_view typeName) {
  std::optional<RegisteredFileType> type = FindRegisteredFileType(typeName);
  if (!type || item.Directory()) return false;
  const QString path = ToQPath(item.AbsolutePath());
  const String suffix = QFileInfo(path).suffix().toLower().toStdString();
  if (!suffix.empty() && std::find(type->extensions.begin(), type->extensions.end(), suffix) !=
                             type->extensions.end()) {
    return true;
  }
  const QMimeType mime = QMimeDatabase().mimeTypeForFile(path);
  return mime.inherits(ToQString(typeName));
}

}  // namespace framework
