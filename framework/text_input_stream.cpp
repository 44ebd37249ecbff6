#include "framework/text_input_stream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "framework/encoding.h"
#include "framework/large_buffer.h"

namespace framework {

std::unique_ptr<TextInputStream> TextInputStream::Open(const std::string& path, int& errorNumber) {
  // Only a regular file has an end to read to: a FIFO without a writer would
  // block the open itself, a device such as /dev/zero never ends. The type is
  // taken from the open descriptor, and O_NONBLOCK keeps the open from
  // waiting; it changes nothing for a regular file.
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    errorNumber = errno;
    return nullptr;
  }
  struct stat info;
  const bool stated = fstat(fd, &info) == 0;
  if (!stated || !S_ISREG(info.st_mode)) {
    errorNumber = !stated ? errno : S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    ::close(fd);
    return nullptr;
  }
  std::string bytes;
  ReserveLarge(bytes, info.st_size);
  char buffer[1 << 16];
  for (;;) {
    ssize_t count = ::read(fd, buffer, sizeof buffer);
    if (count == 0) break;
    if (count < 0) {
      if (errno == EINTR) continue;
      errorNumber = errno;
      ::close(fd);
      return nullptr;
    }
    bytes.append(buffer, count);
  }
  ::close(fd);
  errorNumber = 0;
  return std::make_unique<TextInputStream>(DecodeText(std::move(bytes)));
}

String TextInputStream::ReadLine() {
  if (position_ >= text_.size()) return {};
  // Lines end at CR too: spreadsheets on the Mac end lines with CR.
  // A plain scan: find_first_of looks each byte up in the set of line ends.
  size_t end = position_;
  while (end < text_.size() && text_[end] != '\r' && text_[end] != '\n') ++end;
  String line = text_.substr(position_, end - position_);
  position_ = end;
  if (position_ < text_.size()) {
    position_ +=
        (text_[position_] == '\r' && position_ + 1 < text_.size() && text_[position_ + 1] == '\n')
            ? 2
            : 1;
  }
  return line;
}

size_t TextInputStream::MaxLineCount() const {
  // Every line but the last ends with LF or CR; one pass, which vectorises.
  size_t ends = 0;
  for (char c : text_) ends += (c == '\n') | (c == '\r');
  return ends + 1;
}

void TextInputStream::Close() {
  std::string().swap(text_);
  position_ = 0;
}

}  // namespace framework
