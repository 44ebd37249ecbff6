#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "framework/subprocess.h"

extern char** environ;

namespace framework {
namespace {

// Both ends close on exec: the child keeps only the copies made on 1 and 2.
int MakePipe(int fds[2]) {
  if (pipe(fds) != 0) return errno;
  for (int i = 0; i < 2; ++i) {
    if (fcntl(fds[i], F_SETFD, FD_CLOEXEC) != 0) {
      int error = errno;
      close(fds[0]);
      close(fds[1]);
      return error;
    }
  }
  return 0;
}

// Reads both pipes until each reports its end; closes them.
int Collect(int outFd, int errFd, std::string& out, std::string& err) {
  struct pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
  std::string* sinks[2] = {&out, &err};
  int open = 2;
  int failure = 0;
  char buffer[65536];
  while (open > 0) {
    if (poll(fds, 2, -1) < 0) {
      if (errno == EINTR) continue;
      failure = errno;
      break;
    }
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      ssize_t count = read(fds[i].fd, buffer, sizeof buffer);
      if (count > 0) {
        sinks[i]->append(buffer, static_cast<size_t>(count));
      } else if (count == 0 || errno != EINTR) {
        if (count < 0) failure = errno;
        close(fds[i].fd);
        fds[i].fd = -1;
        --open;
      }
    }
  }
  for (const struct pollfd& entry : fds) {
    if (entry.fd >= 0) close(entry.fd);
  }
  return failure;
}

int Spawn(const std::string& path, const std::vector<std::string>& arguments, int outFd, int errFd,
          pid_t& pid) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, outFd, 1);
  posix_spawn_file_actions_adddup2(&actions, errFd, 2);

  // The child starts with default signal handling and nothing blocked,
  // whatever the host application has set for itself.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t defaults;
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGPIPE);
  sigaddset(&defaults, SIGXFSZ);
  sigset_t noneBlocked;
  sigemptyset(&noneBlocked);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setsigmask(&attributes, &noneBlocked);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);

  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(path.c_str()));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  int error = posix_spawn(&pid, path.c_str(), &actions, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  return error;
}

}  // namespace

int RunSubprocess(const std::string& path, const std::vector<std::string>& arguments,
                  SubprocessResult& result) {
  int outPipe[2];
  int errPipe[2];
  if (int error = MakePipe(outPipe)) return error;
  if (int error = MakePipe(errPipe)) {
    close(outPipe[0]);
    close(outPipe[1]);
    return error;
  }

  pid_t pid = 0;
  int error = Spawn(path, arguments, outPipe[1], errPipe[1], pid);
  close(outPipe[1]);
  close(errPipe[1]);
  if (error != 0) {
    close(outPipe[0]);
    close(errPipe[0]);
    return error;
  }

  result = SubprocessResult();
  int readError = Collect(outPipe[0], errPipe[0], result.standardOutput, result.standardError);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return errno;
  }
  result.waitStatus = status;
  return readError;
}

}  // namespace framework
