#pragma once

#include <string>

// A new, empty folder under the system's temporary folder, removed with all it
// holds when the object goes. Exits the process when it cannot be made.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};
