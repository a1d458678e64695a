#include "update/install/ProgramLock.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>
#include <cstring>

#include "platform/FileSystem.h"
#include "update/install/ReleaseSwap.h"
#include "update/release/ReleaseError.h"

namespace update {
namespace {

std::string LockPath(const std::string& app_folder) {
  return app_folder + (app_folder.ends_with('/') ? "" : "/") + ".tarvik.lock";
}

// Close-on-exec: the lock must not pass to the programs this one starts,
// the updater least of all, which would then wait for itself.
platform::UniqueFd OpenLockFile(const std::string& app_folder) {
  return platform::UniqueFd(::open(LockPath(app_folder).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644));
}

int Flock(int fd, int operation) {
  int result;
  while ((result = ::flock(fd, operation)) != 0 && errno == EINTR) {
  }
  return result;
}

}  // namespace

TProgramLock TProgramLock::WhileRunning(const std::string& app_folder,
                                        const std::function<void(const std::string&)>& report) {
  platform::UniqueFd fd = OpenLockFile(app_folder);
  if (!fd.Valid()) return TProgramLock(std::move(fd));
  // The first copy to start finds no other one: it alone may finish a swap
  // that a killed updater left. Any other copy waits only while an updater
  // is swapping files.
  if (Flock(fd.Get(), LOCK_EX | LOCK_NB) == 0) {
    try {
      TReleaseSwap(app_folder).Recover();
    } catch (const TReleaseError& error) {
      report(error.what());
    }
  }
  Flock(fd.Get(), LOCK_SH);
  return TProgramLock(std::move(fd));
}

std::optional<TProgramLock> TProgramLock::WhenNoProgramRuns(const std::string& app_folder,
                                                           std::chrono::milliseconds limit,
                                                           const std::function<void()>& wait_a_moment) {
  platform::UniqueFd fd = OpenLockFile(app_folder);
  if (!fd.Valid())
    throw platform::FileError("Cannot create file \"" + LockPath(app_folder) + "\". " + std::strerror(errno), errno);
  const auto give_up = std::chrono::steady_clock::now() + limit;
  while (Flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) {
    if (std::chrono::steady_clock::now() >= give_up) return std::nullopt;
    wait_a_moment();
  }
  return TProgramLock(std::move(fd));
}

}  // namespace update
