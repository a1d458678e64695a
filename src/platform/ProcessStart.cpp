#include "platform/ProcessStart.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <thread>

#include "platform/UniqueFd.h"

extern char** environ;

namespace platform {
namespace {

std::vector<char*> ArgumentVector(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  argv.reserve(arguments.size() + 1);
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  return argv;
}

}  // namespace

bool StartProcess(const std::vector<std::string>& arguments) {
  if (arguments.empty() || arguments.front().empty()) return false;
  std::vector<char*> argv = ArgumentVector(arguments);

  // The child starts in a session of its own, so that a browser or updater
  // outlives this program and never receives its terminal's signals.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
  pid_t child = 0;
  const int error = ::posix_spawnp(&child, argv[0], nullptr, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  if (error != 0) return false;
  // Reap it whenever it ends.
  std::thread([child] {
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
  }).detach();
  return true;
}

std::optional<std::string> RunAndCapture(const std::vector<std::string>& arguments) {
  if (arguments.empty() || arguments.front().empty()) return std::nullopt;
  int pipe_ends[2];
  if (::pipe2(pipe_ends, O_CLOEXEC) != 0) return std::nullopt;
  UniqueFd read_end(pipe_ends[0]);
  UniqueFd write_end(pipe_ends[1]);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, write_end.Get(), STDOUT_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::vector<char*> argv = ArgumentVector(arguments);
  pid_t child = 0;
  const int error = ::posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  write_end.Reset();
  if (error != 0) return std::nullopt;

  std::string output;
  char chunk[4096];
  for (;;) {
    const ssize_t got = ::read(read_end.Get(), chunk, sizeof chunk);
    if (got > 0) {
      output.append(chunk, static_cast<size_t>(got));
    } else if (got == 0 || errno != EINTR) {
      break;
    }
  }
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  return output;
}

}  // namespace platform
