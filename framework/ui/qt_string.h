#pragma once

#include <QString>
#include <string_view>

namespace framework {

// The toolkit's form of a framework text, which is UTF-8.
inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace framework
