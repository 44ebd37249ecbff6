#pragma once

#include <memory>
#include <string>

#include "framework/text.h"

namespace framework {

// Reads a text file line by line. The whole file is read and decoded when the
// stream is opened (FolderItem::OpenAsTextFile), so reading a line never fails.
class TextInputStream {
 public:
  // Opens and decodes the file at `path`; nullptr with `errorNumber` set when
  // it cannot be read or is no regular file (EISDIR for a folder, EINVAL for a
  // FIFO or a device).
  static std::unique_ptr<TextInputStream> Open(const std::string& path, int& errorNumber);
  explicit TextInputStream(std::string text) : text_(std::move(text)) {}

  // The next line without its end. A line ends at LF, CR or CRLF; at the end
  // of the text the result is empty.
  String ReadLine();
  // True once every line has been read (the framework's EOF, a name the C
  // library takes); a line end after the last line gives no further line.
  bool EndOfFile() const { return position_ >= text_.size(); }
  // The bytes of decoded text the stream holds, read or not.
  size_t Length() const { return text_.size(); }
  // At least the number of lines that reading from the start gives, for
  // sizing what the lines go into.
  size_t MaxLineCount() const;
  // Releases the text; later reads give empty lines.
  void Close();

 private:
  std::string text_;
  size_t position_ = 0;
};

}  // namespace framework
