#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace testing_support {

// A fresh folder made inside `parent`, removed with all it holds when the
// object goes. Path() is empty when the folder could not be made.
class ScopedFolder {
 public:
  explicit ScopedFolder(
      const std::filesystem::path& parent = std::filesystem::temp_directory_path()) {
    std::string pattern = (parent / "yorvane-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~ScopedFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  ScopedFolder(const ScopedFolder&) = delete;
  ScopedFolder& operator=(const ScopedFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }

  // Writes `bytes` to the file `name` inside the folder and gives its path.
  std::filesystem::path Write(const std::string& name, const std::string& bytes) const {
    std::filesystem::path file = path_ / name;
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
  }

 private:
  std::filesystem::path path_;
};

inline std::string ReadAll(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace testing_support
