#include <mach-o/dyld.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "framework/executable_path.h"

namespace framework {

std::optional<std::filesystem::path> ExecutablePath() {
  uint32_t size = 0;
  _NSGetExecutablePath(nullptr, &size);
  std::string buffer(size, '\0');
  if (_NSGetExecutablePath(buffer.data(), &size) != 0) return std::nullopt;
  buffer.resize(std::strlen(buffer.c_str()));
  return std::filesystem::path(buffer).lexically_normal();
}

}  // namespace framework
