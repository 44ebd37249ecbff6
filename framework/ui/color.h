#pragma once

#include <cstdint>

namespace framework {

struct Color {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;

  friend bool operator==(const Color&, const Color&) = default;
};

}  // namespace framework
