#pragma once
#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "platform/UniqueFd.h"

namespace update {

// The lock file ".tarvik.lock" of the application folder. Every running
// copy of the program holds it shared; the updater replaces files only
// while it holds it exclusively, so no program runs from the folder while
// its files change, and none starts until they have.
class TProgramLock {
 public:
  // For the program, held for its whole run. A swap that a killed updater
  // left unfinished is finished first (and whatever fails there goes to
  // `report`, the program starting all the same). A folder where no lock
  // file can be made gives a lock that holds nothing: the updater cannot
  // replace files there either.
  static TProgramLock WhileRunning(const std::string& app_folder,
                                   const std::function<void(const std::string&)>& report);

  // For the updater: exclusive, taken once no copy of the program runs,
  // trying again after each `wait_a_moment` until `limit` has passed; none
  // when a program still runs then. Throws platform::FileError when the
  // lock file cannot be made.
  static std::optional<TProgramLock> WhenNoProgramRuns(const std::string& app_folder,
                                                      std::chrono::milliseconds limit,
                                                      const std::function<void()>& wait_a_moment);

 private:
  explicit TProgramLock(platform::UniqueFd fd) : fd_(std::move(fd)) {}
  platform::UniqueFd fd_;
};

}  // namespace update
