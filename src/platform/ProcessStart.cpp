#include "platform/ProcessStart.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cerrno>
#include <climits>
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

CapturedOutput RunAndCapture(const std::vector<std::string>& arguments, std::chrono::milliseconds time_limit) {
  using Ending = CapturedOutput::Ending;
  if (arguments.empty() || arguments.front().empty()) return {Ending::Failed, {}};
  int pipe_ends[2];
  if (::pipe2(pipe_ends, O_CLOEXEC) != 0) return {Ending::Failed, {}};
  UniqueFd read_end(pipe_ends[0]);
  UniqueFd write_end(pipe_ends[1]);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, write_end.Get(), STDOUT_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  // A group of its own, so that a program that has to be stopped goes with
  // whatever it started (a shell script's sleeping child holds the pipe too).
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
  posix_spawnattr_setpgroup(&attributes, 0);
  std::vector<char*> argv = ArgumentVector(arguments);
  pid_t child = 0;
  const int error = ::posix_spawnp(&child, argv[0], &actions, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  write_end.Reset();
  if (error != 0) return {Ending::Failed, {}};

  const auto deadline = std::chrono::steady_clock::now() + time_limit;
  const auto left_ms = [deadline] {
    return std::max<long long>(
        std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count(), 0);
  };
  std::string output;
  bool ended = false;
  while (!ended) {
    pollfd readable{read_end.Get(), POLLIN, 0};
    const int ready = ::poll(&readable, 1, static_cast<int>(std::min<long long>(left_ms(), INT_MAX)));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) break;
    char chunk[4096];
    const ssize_t got = ::read(read_end.Get(), chunk, sizeof chunk);
    if (got > 0)
      output.append(chunk, static_cast<size_t>(got));
    else if (got == 0 || errno != EINTR)
      ended = true;
  }
  // Whatever of the group still holds the pipe after the limit goes now; a
  // program that closed its output may take a moment to exit, within what
  // is left of the limit.
  if (!ended) ::kill(-child, SIGKILL);
  int status = 0;
  const auto reap = [child, &status](int options) {
    pid_t reaped = 0;
    while ((reaped = ::waitpid(child, &status, options)) < 0 && errno == EINTR) {
    }
    return reaped;
  };
  bool exited = reap(WNOHANG) != 0;
  while (!exited && left_ms() > 0) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    exited = reap(WNOHANG) != 0;
  }
  if (!exited) {
    ::kill(-child, SIGKILL);
    reap(0);
  }
  if (!ended || !exited) return {Ending::TimedOut, {}};
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return {Ending::Failed, {}};
  return {Ending::Succeeded, std::move(output)};
}

}  // namespace platform
