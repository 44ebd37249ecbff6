#include <sys/xattr.h>

#include <cerrno>

#include "framework/folder_item.h"
#include "framework/mac_type.h"

namespace framework {
namespace {

constexpr const char* kAttribute = "user.mactype";

}  // namespace

String FolderItem::MacType() const {
  char bytes[4];
  ssize_t length = getxattr(absolutePath_.c_str(), kAttribute, bytes, sizeof bytes);
  if (length <= 0) return String();
  return String(bytes, static_cast<size_t>(length));
}

void FolderItem::SetMacType(std::string_view fourLetters) const {
  std::array<char, 4> bytes = MacTypeBytes(fourLetters);
  lastErrorCode_ =
      setxattr(absolutePath_.c_str(), kAttribute, bytes.data(), bytes.size(), 0) == 0 ? 0 : errno;
}

}  // namespace framework
