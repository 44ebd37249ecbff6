#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "framework/folder_item.h"

namespace framework {

// Writes a text file, either in place (FolderItem::CreateTextFile) or, for a
// stream made by Create, into a temporary file that takes the target's place
// only when Close has written it all.
class TextOutputStream {
 public:
  // A stream whose file replaces `file` on Close; until then the target is
  // untouched. The new file keeps the mode of the one it replaces; a new one
  // gets 0666 less the umask. The temporary file has no name until Close
  // where the system allows (Linux), so a process that dies before then
  // leaves nothing; elsewhere it is a hidden file beside the target, removed
  // when the stream goes without a successful Close. Raises IOException, the
  // message naming the file, when the file exists and the user may not write
  // it (it is then not replaced through its folder either), or when no
  // temporary file can be made; never gives none. The stream has
  // UseIOExceptions on.
  static std::unique_ptr<TextOutputStream> Create(const FolderItem& file);
  // The stream behind FolderItem::CreateTextFile: nullptr with `errorNumber`
  // set when the file cannot be opened.
  static std::unique_ptr<TextOutputStream> OpenInPlace(const std::string& path, int& errorNumber);

  // Closes the file without a report. A stream made by Create that was not
  // closed leaves the target as it was and its temporary file gone.
  ~TextOutputStream();
  TextOutputStream(const TextOutputStream&) = delete;
  TextOutputStream& operator=(const TextOutputStream&) = delete;

  // Adds `text` as it stands. A failure (EFBIG beyond the file-size limit,
  // ENOSPC, ...) raises IOException once UseIOExceptions is on, and is kept
  // in LastErrorCode either way.
  void Write(std::string_view text);
  // Adds `pieces` in order, handed to the system together in one write.
  void Write(std::initializer_list<std::string_view> pieces);
  // Adds `text` and a line feed.
  void WriteLine(std::string_view text);
  // Finishes the file; later writes fail with EBADF. For a stream made by
  // Create it then puts the file in the target's place in one rename, so the
  // target is either the old file whole or the new one whole. With
  // UseIOExceptions on, a failure raises IOException: "Cannot write" when the
  // file could not be finished, "Cannot replace" when it could not take the
  // target's place; either way the target stays as it was and no temporary
  // file is left.
  void Close();

  bool UseIOExceptions = false;
  int32_t LastErrorCode() const { return lastErrorCode_; }

 private:
  enum class Placement { kInPlace, kNamedTemporary, kUnnamedTemporary };

  TextOutputStream(int fd, std::string path, Placement placement, std::string temporaryPath);
  void Fail(const char* action, int errorNumber);
  void PutInPlace(int fd);

  int fd_;
  std::string path_;
  Placement placement_;
  std::string temporaryPath_;  // the named temporary file, while it has a name
  int32_t lastErrorCode_ = 0;
};

}  // namespace framework
