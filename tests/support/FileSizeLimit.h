#pragma once
#include <csignal>
#include <sys/resource.h>

namespace testsupport {

// While it lives, no file the process writes grows past `bytes`: a write
// beyond fails part-way with EFBIG, as on a full disk, instead of raising the
// signal that would end the process.
class TFileSizeLimit {
 public:
  explicit TFileSizeLimit(rlim_t bytes) : old_handler_(::signal(SIGXFSZ, SIG_IGN)) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~TFileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    ::signal(SIGXFSZ, old_handler_);
  }
  TFileSizeLimit(const TFileSizeLimit&) = delete;
  TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  sighandler_t old_handler_;
};

}  // namespace testsupport
