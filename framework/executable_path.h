#pragma once

#include <filesystem>
#include <optional>

namespace framework {

// The file the running program was started from, or nullopt when the system
// does not tell.
std::optional<std::filesystem::path> ExecutablePath();

}  // namespace framework
