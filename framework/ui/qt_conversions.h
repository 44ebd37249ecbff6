#pragma once

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QString>
#include <QUrl>
#include <string>
#include <string_view>

#include "framework/ui/color.h"

namespace framework {

// The toolkit's form of a framework text, which is UTF-8.
inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QColor ToQColor(Color color) { return QColor(color.red, color.green, color.blue); }

// A path kept as the file system's bytes, as the toolkit names it. A name that
// is not valid in the file system's encoding comes out with replacement
// characters: good to show, not to open.
inline QString ToQPath(std::string_view path) {
  return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

// The file system's bytes of a path that the toolkit names.
inline std::string FromQPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// The file system's bytes of a local file's URL. A URL keeps the bytes of a
// name that the toolkit's text cannot hold, as in a list saved under a
// Shift_JIS name on Linux, so this is exact where the URL's local file name is
// not.
inline std::string PathOfLocalUrl(const QUrl& url) {
  return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString();
}

}  // namespace framework
