#pragma once

#include <string>
#include <string_view>

// The UTF-16LE bytes, with their byte-order mark, of an ASCII text: written
// out by hand so tests do not check the converter against itself.
inline std::string AsciiAsUtf16(std::string_view ascii) {
  std::string bytes = "\xFF\xFE";
  for (char c : ascii) {
    bytes += c;
    bytes += '\0';
  }
  return bytes;
}
