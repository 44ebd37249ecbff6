#pragma once

#include <array>
#include <string_view>

namespace framework {

// The four bytes that SetMacType stores for `letters`: padded with blanks or
// cut to four, as the file type field of the Finder holds exactly four.
inline std::array<char, 4> MacTypeBytes(std::string_view letters) {
  std::array<char, 4> bytes{' ', ' ', ' ', ' '};
  for (size_t i = 0; i < bytes.size() && i < letters.size(); ++i) bytes[i] = letters[i];
  return bytes;
}

}  // namespace framework
