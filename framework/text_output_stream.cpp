#include "framework/text_output_stream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "framework/errors.h"

namespace framework {
namespace {

mode_t NewFileMode(const std::string& path) {
  struct stat info;
  if (stat(path.c_str(), &info) == 0) return info.st_mode & 07777;
  mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

}  // namespace

TextOutputStream::TextOutputStream(int fd, std::string path, std::string temporaryPath)
    : fd_(fd), path_(std::move(path)), temporaryPath_(std::move(temporaryPath)) {}

std::unique_ptr<TextOutputStream> TextOutputStream::Create(const FolderItem& file) {
  const std::string& path = file.AbsolutePath();
  std::filesystem::path target(path);
  std::string pattern =
      (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
  int fd = mkostemp(pattern.data(), O_CLOEXEC);
  if (fd < 0) throw MakeIOException("Cannot create", path, errno);
  fchmod(fd, NewFileMode(path));
  std::unique_ptr<TextOutputStream> stream(new TextOutputStream(fd, path, pattern));
  stream->UseIOExceptions = true;
  return stream;
}

std::unique_ptr<TextOutputStream> TextOutputStream::OpenInPlace(const std::string& path,
                                                                int& errorNumber) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) {
    errorNumber = errno;
    return nullptr;
  }
  errorNumber = 0;
  return std::unique_ptr<TextOutputStream>(new TextOutputStream(fd, path, ""));
}

TextOutputStream::~TextOutputStream() {
  if (fd_ >= 0) {
    ::close(fd_);
    if (!temporaryPath_.empty()) ::unlink(temporaryPath_.c_str());
  }
}

void TextOutputStream::Fail(const char* action, int errorNumber) {
  lastErrorCode_ = errorNumber;
  if (UseIOExceptions) throw MakeIOException(action, path_, errorNumber);
}

void TextOutputStream::Write(std::string_view text) {
  if (fd_ < 0) return Fail("Cannot write", EBADF);
  while (!text.empty()) {
    ssize_t written = ::write(fd_, text.data(), text.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return Fail("Cannot write", errno);
    }
    text.remove_prefix(written);
  }
}

void TextOutputStream::Write(std::initializer_list<std::string_view> pieces) {
  if (fd_ < 0) return Fail("Cannot write", EBADF);
  std::vector<iovec> parts;
  for (std::string_view piece : pieces) {
    if (!piece.empty()) parts.push_back({const_cast<char*>(piece.data()), piece.size()});
  }
  // writev may take only part of the data; go on from where it stopped.
  size_t first = 0;
  while (first < parts.size()) {
    int count = static_cast<int>(std::min<size_t>(parts.size() - first, IOV_MAX));
    ssize_t written = ::writev(fd_, parts.data() + first, count);
    if (written < 0) {
      if (errno == EINTR) continue;
      return Fail("Cannot write", errno);
    }
    for (size_t left = written; left > 0;) {
      size_t taken = std::min(left, parts[first].iov_len);
      parts[first].iov_base = static_cast<char*>(parts[first].iov_base) + taken;
      parts[first].iov_len -= taken;
      left -= taken;
      if (parts[first].iov_len == 0) ++first;
    }
  }
}

void TextOutputStream::WriteLine(std::string_view text) {
  Write(text);
  Write("\n");
}

void TextOutputStream::Close() {
  if (fd_ < 0) return;
  int fd = fd_;
  fd_ = -1;
  if (temporaryPath_.empty()) {
    if (::close(fd) != 0) Fail("Cannot close", errno);
    return;
  }
  // The temporary file replaces the target only once every byte is with the
  // system. It is not synced to the disk: a crash may lose the new script, but
  // the rename never leaves a part of one in its place.
  bool complete = ::close(fd) == 0;
  int errorNumber = complete ? 0 : errno;
  if (complete && ::rename(temporaryPath_.c_str(), path_.c_str()) != 0) {
    complete = false;
    errorNumber = errno;
  }
  if (!complete) {
    ::unlink(temporaryPath_.c_str());
    Fail("Cannot write", errorNumber);
  }
}

}  // namespace framework
