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
#include <random>
#include <utility>
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

// A hidden name beside `path` for its temporary file, ending in X's that
// mkostemp or FillPattern replace.
std::string TemporaryPattern(const std::string& path) {
  std::filesystem::path target(path);
  return (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
}

#ifdef O_TMPFILE
void FillPattern(std::string& pattern) {
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  static std::mt19937 generator{std::random_device{}()};
  std::uniform_int_distribution<size_t> pick(0, sizeof kLetters - 2);
  for (size_t i = pattern.size() - 6; i < pattern.size(); ++i) {
    pattern[i] = kLetters[pick(generator)];
  }
}

// A file without a name in the folder of `path`, or -1 with errno set. It is
// named only through /proc, so without /proc it is not used.
int OpenUnnamed(const std::string& path) {
  if (::access("/proc/self/fd", X_OK) != 0) {
    errno = EOPNOTSUPP;
    return -1;
  }
  std::string folder = std::filesystem::path(path).parent_path().string();
  return ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
}

// Gives the unnamed file open on `fd` a fresh hidden name beside `path`;
// returns it, or the empty text with errno set. A name cannot be linked over
// an existing one, so the file gets a temporary name that rename then moves.
std::string NameUnnamed(int fd, const std::string& path) {
  std::string source = "/proc/self/fd/" + std::to_string(fd);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = TemporaryPattern(path);
    FillPattern(name);
    if (::linkat(AT_FDCWD, source.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
      return name;
    }
    if (errno != EEXIST) return "";
  }
  return "";
}

// Whether the system or the file system has no unnamed files.
bool UnnamedUnsupported(int errorNumber) {
  return errorNumber == EOPNOTSUPP || errorNumber == EISDIR || errorNumber == EINVAL;
}
#endif

}  // namespace

TextOutputStream::TextOutputStream(int fd, std::string path, Placement placement,
                                   std::string temporaryPath)
    : fd_(fd),
      path_(std::move(path)),
      placement_(placement),
      temporaryPath_(std::move(temporaryPath)) {}

std::unique_ptr<TextOutputStream> TextOutputStream::Create(const FolderItem& file) {
  const std::string& path = file.AbsolutePath();
  // Replacing the file through its folder would get round the file's own
  // protection: a read-only script stays read-only.
  if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 && errno != ENOENT) {
    throw MakeIOException("Cannot write", path, errno);
  }
  Placement placement = Placement::kNamedTemporary;
  std::string temporaryPath;
  int fd = -1;
#ifdef O_TMPFILE
  fd = OpenUnnamed(path);
  if (fd >= 0) {
    placement = Placement::kUnnamedTemporary;
  } else if (!UnnamedUnsupported(errno)) {
    throw MakeIOException("Cannot create", path, errno);
  }
#endif
  if (fd < 0) {
    temporaryPath = TemporaryPattern(path);
    fd = mkostemp(temporaryPath.data(), O_CLOEXEC);
    if (fd < 0) throw MakeIOException("Cannot create", path, errno);
  }
  fchmod(fd, NewFileMode(path));
  std::unique_ptr<TextOutputStream> stream(
      new TextOutputStream(fd, path, placement, std::move(temporaryPath)));
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
  return std::unique_ptr<TextOutputStream>(new TextOutputStream(fd, path, Placement::kInPlace, ""));
}

TextOutputStream::~TextOutputStream() {
  if (fd_ >= 0) ::close(fd_);
  if (!temporaryPath_.empty()) ::unlink(temporaryPath_.c_str());
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
  int fd = std::exchange(fd_, -1);
  if (placement_ == Placement::kInPlace) {
    if (::close(fd) != 0) Fail("Cannot close", errno);
    return;
  }
  PutInPlace(fd);
}

// The temporary file replaces the target only once every byte is with the
// system. It is not synced to the disk: a crash may lose the new script, but
// the rename never leaves a part of one in its place.
void TextOutputStream::PutInPlace(int fd) {
  const char* action = "Cannot replace";
  int errorNumber = 0;
#ifdef O_TMPFILE
  if (placement_ == Placement::kUnnamedTemporary) {
    temporaryPath_ = NameUnnamed(fd, path_);
    if (temporaryPath_.empty()) errorNumber = errno;
  }
#endif
  if (::close(fd) != 0 && errorNumber == 0) {
    action = "Cannot write";
    errorNumber = errno;
  }
  if (errorNumber == 0 && ::rename(temporaryPath_.c_str(), path_.c_str()) != 0) errorNumber = errno;
  if (errorNumber == 0) {
    temporaryPath_.clear();
    return;
  }
  if (!temporaryPath_.empty()) ::unlink(temporaryPath_.c_str());
  temporaryPath_.clear();
  Fail(action, errorNumber);
}

}  // namespace framework
