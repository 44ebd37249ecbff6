#include <sys/xattr.h>

#include <array>
#include <cerrno>
#include <cstring>

#include "framework/folder_item.h"
#include "framework/mac_type.h"

namespace framework {
namespace {

// The Finder information: 32 bytes, the file type in the first four, then
// the creator, the Finder flags and more that setting the type must keep.
constexpr const char* kAttribute = "com.apple.FinderInfo";
constexpr size_t kFinderInfoSize = 32;

using FinderInfo = std::array<char, kFinderInfoSize>;

bool ReadFinderInfo(const String& path, FinderInfo& info) {
  info.fill(0);
  ssize_t length = getxattr(path.c_str(), kAttribute, info.data(), info.size(), 0, 0);
  return length == static_cast<ssize_t>(info.size());
}

}  // namespace

String FolderItem::MacType() const {
  FinderInfo info;
  if (!ReadFinderInfo(absolutePath_, info)) return String();
  static const char kNoType[4] = {0, 0, 0, 0};
  if (std::memcmp(info.data(), kNoType, 4) == 0) return String();
  return String(info.data(), 4);
}

void FolderItem::SetMacType(std::string_view fourLetters) const {
  FinderInfo info;
  ReadFinderInfo(absolutePath_, info);
  std::array<char, 4> bytes = MacTypeBytes(fourLetters);
  std::memcpy(info.data(), bytes.data(), bytes.size());
  lastErrorCode_ =
      setxattr(absolutePath_.c_str(), kAttribute, info.data(), info.size(), 0, 0) == 0 ? 0 : errno;
}

}  // namespace framework
