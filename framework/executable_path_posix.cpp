#include <system_error>

#include "framework/executable_path.h"

namespace framework {

std::optional<std::filesystem::path> ExecutablePath() {
  std::error_code error;
  std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return std::nullopt;
  return path;
}

}  // namespace framework
