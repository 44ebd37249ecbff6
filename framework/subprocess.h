#pragma once

#include <string>
#include <vector>

namespace framework {

// What a finished child process left: its wait status and all it wrote.
struct SubprocessResult {
  int waitStatus = 0;
  std::string standardOutput;
  std::string standardError;
};

// Runs the program at `path` directly, with `arguments` after its own path,
// standard input from /dev/null, and waits until it ends, collecting both its
// outputs as they come so that neither pipe fills and stalls it. Returns 0
// with `result` filled, or the system error code when the program could not
// be started or its output could not be read.
int RunSubprocess(const std::string& path, const std::vector<std::string>& arguments,
                  SubprocessResult& result);

}  // namespace framework
