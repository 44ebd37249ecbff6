#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

// A fresh folder for one test, made the working directory while the test
// runs (the script file lands there), removed with everything in it after.
class ScopedTempDir {
 public:
  ScopedTempDir() : previous_(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "yorvane-test-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
    std::filesystem::current_path(path_);
  }
  ~ScopedTempDir() {
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScopedTempDir(const ScopedTempDir&) = delete;
  ScopedTempDir& operator=(const ScopedTempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }

  // Writes `bytes` to `name` in the folder and returns its path.
  std::string WriteFile(std::string_view name, std::string_view bytes) const {
    std::filesystem::path file = path_ / name;
    std::ofstream(file, std::ios::binary).write(bytes.data(), bytes.size());
    return file.string();
  }

  // The bytes of `name`, or the empty text when it cannot be read.
  std::string ReadFile(std::string_view name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};
