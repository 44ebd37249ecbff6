#pragma once

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A fresh folder for one test, removed with everything in it afterwards.
// Path() is empty when the folder could not be made.
class ScopedTempDir {
 public:
  explicit ScopedTempDir(
      const std::filesystem::path& parent = std::filesystem::temp_directory_path()) {
    std::string pattern = (parent / "yorvane-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~ScopedTempDir() {
    if (previous_) std::filesystem::current_path(*previous_);
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  ScopedTempDir(const ScopedTempDir&) = delete;
  ScopedTempDir& operator=(const ScopedTempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }

  // Makes the folder the working directory until the object goes: bare file
  // names, "makebookmark.jsx" among them, then land in it.
  void EnterAsWorkingDirectory() {
    if (!previous_) previous_ = std::filesystem::current_path();
    std::filesystem::current_path(path_);
  }

  // Writes `bytes` to `name` in the folder and returns its path.
  std::string WriteFile(std::string_view name, std::string_view bytes) const {
    std::filesystem::path file = path_ / name;
    std::ofstream(file, std::ios::binary).write(bytes.data(), bytes.size());
    return file.string();
  }

  // The bytes of `name` in the folder, or the empty text when it cannot be read.
  std::string ReadFile(std::string_view name) const { return ReadAll(path_ / name); }

  // The names of the files in the folder, sorted.
  std::vector<std::string> FileNames() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  static std::string ReadAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

 private:
  std::optional<std::filesystem::path> previous_;
  std::filesystem::path path_;
};
