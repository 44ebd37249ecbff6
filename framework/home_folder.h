#pragma once

#include <optional>
#include <string>

namespace framework {

// The value of the environment variable `name` when it is an absolute path;
// none when it is unset, empty or relative, which the folder rules ignore.
std::optional<std::string> AbsolutePathFromEnvironment(const char* name);

// The user's home folder: $HOME when it is an absolute path, else the user
// database's entry; none when neither gives an absolute path.
std::optional<std::string> HomeFolder();

}  // namespace framework
