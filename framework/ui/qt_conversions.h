#pragma once

#include <QColor>
#include <QString>
#include <string_view>

#include "framework/ui/color.h"

namespace framework {

// The toolkit's form of a framework text, which is UTF-8.
inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QColor ToQColor(Color color) { return QColor(color.red, color.green, color.blue); }

}  // namespace framework
