#include "framework/folder_item.h"

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

#include "framework/text_input_stream.h"
#include "framework/text_output_stream.h"

namespace framework {

FolderItem::FolderItem(std::string_view path) {
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(std::filesystem::path(path), error);
  absolutePath_ = (error ? std::filesystem::path(path) : absolute).lexically_normal().string();
}

bool FolderItem::Exists() const {
  struct stat info;
  return stat(absolutePath_.c_str(), &info) == 0;
}

bool FolderItem::Directory() const {
  struct stat info;
  return stat(absolutePath_.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

FolderItem FolderItem::Child(std::string_view name) const {
  return FolderItem((std::filesystem::path(absolutePath_) / std::filesystem::path(name)).string());
}

std::unique_ptr<TextInputStream> FolderItem::OpenAsTextFile() const {
  int errorNumber = 0;
  auto stream = TextInputStream::Open(absolutePath_, errorNumber);
  lastErrorCode_ = errorNumber;
  return stream;
}

std::unique_ptr<TextOutputStream> FolderItem::CreateTextFile() const {
  int errorNumber = 0;
  auto stream = TextOutputStream::OpenInPlace(absolutePath_, errorNumber);
  lastErrorCode_ = errorNumber;
  return stream;
}

std::optional<FolderItem> GetFolderItem(std::string_view path, int32_t pathType) {
  if (pathType != 0 || path.empty()) return std::nullopt;
  return FolderItem(path);
}

}  // namespace framework
