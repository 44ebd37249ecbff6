#include "framework/text_output_stream.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "framework/errors.h"
#include "tests/support/scoped_temp_dir.h"

namespace {

using framework::FolderItem;
using framework::TextOutputStream;

constexpr uid_t kNobody = 65534;

class TextOutputStreamTest : public ::testing::Test {
 protected:
  TextOutputStreamTest() { dir_.EnterAsWorkingDirectory(); }

  mode_t Mode(const char* name) const {
    struct stat info = {};
    stat((dir_.Path() / name).c_str(), &info);
    return info.st_mode & 07777;
  }

  ScopedTempDir dir_;
};

// The wait status of a child process that ran `body`.
int InChildProcess(const std::function<void()>& body) {
  pid_t pid = fork();
  if (pid == 0) {
    body();
    _exit(0);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return status;
}

TEST_F(TextOutputStreamTest, CreatedFileAppearsOnlyWhenClosed) {
  dir_.WriteFile("out.txt", "old");
  auto stream = TextOutputStream::Create(FolderItem("out.txt"));
  EXPECT_TRUE(stream->UseIOExceptions);
  stream->Write("new");
  EXPECT_EQ(dir_.ReadFile("out.txt"), "old");
  stream->Close();
  EXPECT_EQ(dir_.ReadFile("out.txt"), "new");
  EXPECT_EQ(dir_.FileNames(), std::vector<std::string>{"out.txt"});
}

TEST_F(TextOutputStreamTest, PiecesAreWrittenInOrder) {
  auto stream = TextOutputStream::Create(FolderItem("out.txt"));
  const std::string large(1 << 20, 'x');
  stream->Write({"a", "", large, "b"});
  stream->Close();
  EXPECT_EQ(dir_.ReadFile("out.txt"), "a" + large + "b");
}

TEST_F(TextOutputStreamTest, ReplacedFileKeepsItsModeAndANewOneFollowsTheUmask) {
  dir_.WriteFile("kept.txt", "old");
  chmod((dir_.Path() / "kept.txt").c_str(), 0754);
  mode_t previousMask = umask(027);
  for (const char* name : {"kept.txt", "new.txt"}) {
    auto stream = TextOutputStream::Create(FolderItem(name));
    stream->Write("new");
    stream->Close();
  }
  umask(previousMask);
  EXPECT_EQ(Mode("kept.txt"), 0754u);
  EXPECT_EQ(Mode("new.txt"), 0640u);
}

TEST_F(TextOutputStreamTest, StreamReleasedWithoutCloseLeavesTheFileAndNoTrace) {
  dir_.WriteFile("out.txt", "old");
  TextOutputStream::Create(FolderItem("out.txt"))->Write("new");
  EXPECT_EQ(dir_.ReadFile("out.txt"), "old");
  EXPECT_EQ(dir_.FileNames(), std::vector<std::string>{"out.txt"});
}

// Where the system has files without a name, the unfinished file has none:
// a process killed while writing leaves nothing to clear away.
TEST_F(TextOutputStreamTest, ProcessKilledBeforeCloseLeavesNoTrace) {
#ifdef O_TMPFILE
  int probe = open(dir_.Path().c_str(), O_TMPFILE | O_WRONLY, 0600);
  if (probe < 0) {
    GTEST_SKIP() << "the file system has no files without a name";
  }
  close(probe);
#else
  GTEST_SKIP() << "the system has no files without a name";
#endif
  dir_.WriteFile("out.txt", "old");
  int status = InChildProcess([] {
    auto stream = TextOutputStream::Create(FolderItem("out.txt"));
    stream->Write("new");
    raise(SIGKILL);
  });
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "wait status " << status;
  EXPECT_EQ(dir_.ReadFile("out.txt"), "old");
  EXPECT_EQ(dir_.FileNames(), std::vector<std::string>{"out.txt"});
}

TEST_F(TextOutputStreamTest, CreateInAMissingFolderRaisesWithTheReason) {
  try {
    TextOutputStream::Create(FolderItem("no/such/out.txt"));
    FAIL() << "no IOException";
  } catch (const framework::IOException& error) {
    EXPECT_EQ(error.ErrorNumber(), ENOENT);
    EXPECT_NE(error.Message().find("out.txt"), std::string::npos) << error.Message();
  }
}

// A folder that every user may pass through on the way to its children:
// the first of the usual temporary folders whose ancestors are all open to
// others. Empty when there is none.
std::filesystem::path FolderOpenToAll() {
  for (const std::filesystem::path& candidate :
       {std::filesystem::temp_directory_path(), std::filesystem::path("/var/tmp"),
        std::filesystem::path("/dev/shm")}) {
    bool open = true;
    for (std::filesystem::path folder = candidate; open; folder = folder.parent_path()) {
      struct stat info = {};
      open = stat(folder.c_str(), &info) == 0 && (info.st_mode & S_IXOTH) != 0;
      if (folder == folder.parent_path()) break;
    }
    if (open) return candidate;
  }
  return {};
}

// A file the user may not write is not replaced through its writable folder.
// Root may write any file, so the code runs as nobody then.
TEST_F(TextOutputStreamTest, FileTheUserMayNotWriteIsNotReplaced) {
  enum Outcome { kRaised = 10, kReplaced, kOtherError, kCannotDrop, kFolderClosed };
  struct Case {
    const char* name;
    mode_t mode;
    bool ownedByAnother;
  };
  const Case cases[] = {{"read-only", 0444, false}, {"another user's", 0644, true}};
  const bool root = geteuid() == 0;
  const std::filesystem::path parent = FolderOpenToAll();
  if (root && parent.empty()) {
    GTEST_SKIP() << "no temporary folder that user " << kNobody << " may reach";
  }
  ScopedTempDir shared(root ? parent : std::filesystem::temp_directory_path());
  // The user must be able to make the temporary file beside the target.
  std::filesystem::permissions(shared.Path(), std::filesystem::perms::all);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.ownedByAnother && !root) continue;  // one's own file at 0644 is writable
    const std::string path = shared.WriteFile("out.txt", "old");
    ASSERT_EQ(chmod(path.c_str(), c.mode), 0);
    if (root && !c.ownedByAnother) {
      ASSERT_EQ(chown(path.c_str(), kNobody, kNobody), 0);
    }

    int status = InChildProcess([&path, &shared, root] {
      if (root && (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
        _exit(kCannotDrop);
      }
      if (access(shared.Path().c_str(), W_OK | X_OK) != 0) _exit(kFolderClosed);
      try {
        auto stream = TextOutputStream::Create(FolderItem(path));
        stream->Write("new");
        stream->Close();
        _exit(kReplaced);
      } catch (const framework::IOException& error) {
        bool named = error.Message().find(path) != std::string::npos;
        _exit(error.ErrorNumber() == EACCES && named ? kRaised : kOtherError);
      } catch (...) {
        _exit(kOtherError);
      }
    });
    ASSERT_TRUE(WIFEXITED(status)) << "wait status " << status;
    if (WEXITSTATUS(status) == kCannotDrop) {
      GTEST_SKIP() << "cannot run as user " << kNobody;
    }
    ASSERT_NE(WEXITSTATUS(status), kFolderClosed) << "the user cannot make files in the folder";
    EXPECT_EQ(WEXITSTATUS(status), kRaised)
        << "Create raised no IOException naming the file with EACCES ("
        << (WEXITSTATUS(status) == kReplaced ? "the file was replaced" : "another error") << ")";
    EXPECT_EQ(shared.ReadFile("out.txt"), "old");
    std::filesystem::remove(path);
    EXPECT_TRUE(std::filesystem::is_empty(shared.Path())) << "a temporary file is left";
  }
}

TEST_F(TextOutputStreamTest, CreateTextFileWritesInPlaceWithLineFeeds) {
  dir_.WriteFile("pref", "1\n2\n3\n");
  auto stream = FolderItem("pref").CreateTextFile();
  ASSERT_NE(stream, nullptr);
  EXPECT_FALSE(stream->UseIOExceptions);
  EXPECT_EQ(dir_.ReadFile("pref"), "") << "an existing file is emptied";
  stream->WriteLine("10");
  stream->WriteLine("40");
  stream->Close();
  EXPECT_EQ(dir_.ReadFile("pref"), "10\n40\n");
  EXPECT_EQ(FolderItem("missing/pref").CreateTextFile(), nullptr);
}

}  // namespace
