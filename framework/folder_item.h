#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "framework/text.h"

namespace framework {

class TextInputStream;
class TextOutputStream;

// A reference to a file or folder by its absolute path; the item need not exist.
class FolderItem {
 public:
  // A relative `path` is taken from the process's working directory.
  explicit FolderItem(std::string_view path);

  bool Exists() const;
  bool Directory() const;
  const String& AbsolutePath() const { return absolutePath_; }
  // The item named `name` inside this folder, existing or not.
  FolderItem Child(std::string_view name) const;

  // The file's text, decoded as DecodeText says; nullptr when it cannot be
  // read (missing, no permission) or is no regular file nor a link to one (a
  // folder, a FIFO, a device). Never waits for a writer. Raises nothing.
  std::unique_ptr<TextInputStream> OpenAsTextFile() const;
  // A stream that writes the file in place, creating it or emptying it;
  // nullptr when it cannot be opened. Raises nothing.
  std::unique_ptr<TextOutputStream> CreateTextFile() const;

  // The item's four-letter Mac file type, kept where the file system can
  // hold it: the Finder information on the Mac, the extended attribute
  // "user.mactype" elsewhere. MacType gives the empty text when the item has
  // none, does not exist or the file system keeps no such data. SetMacType
  // stores `fourLetters` padded with blanks or cut to four bytes; where the
  // item does not exist or the file system refuses, it changes nothing and
  // leaves the reason in LastErrorCode. Raises nothing: the type is a hint.
  String MacType() const;
  void SetMacType(std::string_view fourLetters) const;

  // The system error code of the last failed operation on this item, 0 if none.
  int32_t LastErrorCode() const { return lastErrorCode_; }

 private:
  String absolutePath_;
  mutable int32_t lastErrorCode_ = 0;
};

// Resolves `path`. Path type 0 is the platform's native path; a bare name
// resolves in the process's working directory. None for another path type or
// an empty path.
std::optional<FolderItem> GetFolderItem(std::string_view path, int32_t pathType);

}  // namespace framework
