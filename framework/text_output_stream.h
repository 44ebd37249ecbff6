#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "framework/folder_item.h"

namespace framework {

// Writes a text file. A stream made by Create writes a temporary file beside
// the target and puts it in the target's place only when Close has written
// and flushed it all, so the old file stays whole until then; a stream
// released without Close leaves the target untouched. A stream made by
// FolderItem::CreateTextFile writes the file in place.
class TextOutputStream {
 public:
  // Raises IOException when the file cannot be made; never gives none. The
  // stream has UseIOExceptions on.
  static std::unique_ptr<TextOutputStream> Create(const FolderItem& file);
  // The stream behind FolderItem::CreateTextFile: nullptr with `errorNumber`
  // set when the file cannot be opened.
  static std::unique_ptr<TextOutputStream> OpenInPlace(const std::string& path, int& errorNumber);

  ~TextOutputStream();
  TextOutputStream(const TextOutputStream&) = delete;
  TextOutputStream& operator=(const TextOutputStream&) = delete;

  // Adds `text` as it stands. A failure raises IOException once
  // UseIOExceptions is on, and is kept in LastErrorCode either way.
  void Write(std::string_view text);
  // Adds `pieces` in order, handed to the system together in one write.
  void Write(std::initializer_list<std::string_view> pieces);
  // Adds `text` and a line feed.
  void WriteLine(std::string_view text);
  // Finishes the file. With UseIOExceptions on, a failure to flush or to put
  // the file in place raises IOException.
  void Close();

  bool UseIOExceptions = false;
  int32_t LastErrorCode() const { return lastErrorCode_; }

 private:
  TextOutputStream(int fd, std::string path, std::string temporaryPath);
  void Fail(const char* action, int errorNumber);

  int fd_;
  std::string path_;
  std::string temporaryPath_;  // empty for a stream that writes in place
  int32_t lastErrorCode_ = 0;
};

}  // namespace framework
