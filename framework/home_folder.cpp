#include "framework/home_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace framework {
namespace {

bool IsAbsolute(const char* path) { return path != nullptr && path[0] == '/'; }

}  // namespace

std::optional<std::string> AbsolutePathFromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (!IsAbsolute(value)) return std::nullopt;
  return std::string(value);
}

std::optional<std::string> HomeFolder() {
  if (std::optional<std::string> home = AbsolutePathFromEnvironment("HOME")) return home;

  long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(suggested > 0 ? static_cast<size_t>(suggested) : 16384);
  struct passwd entry;
  struct passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr ||
      !IsAbsolute(found->pw_dir)) {
    return std::nullopt;
  }
  return std::string(found->pw_dir);
}

}  // namespace framework
