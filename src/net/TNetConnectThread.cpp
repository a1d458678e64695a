#include "net/TNetConnectThread.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>

#include "net/ENetTransportExceptions.h"
#include "net/TNetErrorCodes.h"

namespace {

// Failures that only mean the socket was closed under the connect.
constexpr int kBadFileNumber = 10009;
constexpr int kNotASocket = 10038;

}  // namespace

TNetConnectThread::TNetConnectThread(TNetStack& stack, int fd, std::string ip,
                                     int port)
    : stack_(stack),
      fd_(fd),
      cancel_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
  if (!cancel_.Valid()) RaiseNetSocketError(NetErrorCodeFromErrno(errno));
  thread_ = std::thread(&TNetConnectThread::Run, this, std::move(ip), port);
}

TNetConnectThread::~TNetConnectThread() {
  Cancel();
  thread_.join();
}

void TNetConnectThread::Cancel() {
  const std::uint64_t one = 1;
  [[maybe_unused]] const ssize_t written = ::write(cancel_.Get(), &one, sizeof one);
}

void TNetConnectThread::Run(std::string ip, int port) {
  int code = 0;
  const int started = stack_.StartConnect(fd_, ip, port);
  if (started < 0) {
    code = stack_.LastError();
  } else if (started == 1) {
    pollfd waits[2] = {{fd_, POLLOUT, 0}, {cancel_.Get(), POLLIN, 0}};
    while (::poll(waits, 2, -1) < 0 && errno == EINTR) {
    }
    // A cancelled attempt reports nothing: the caller raises its own error.
    if (!(waits[1].revents & POLLIN)) code = stack_.PendingConnectResult(fd_);
  }
  std::lock_guard lock(mutex_);
  if (code != 0 && code != kBadFileNumber && code != kNotASocket)
    error_message_ = NetSocketErrorMessage(code);
  finished_ = true;
  finished_changed_.notify_all();
}

bool TNetConnectThread::WaitFinished(int timeout_ms) {
  std::unique_lock lock(mutex_);
  return finished_changed_.wait_for(lock, std::chrono::milliseconds(timeout_ms),
                                    [this] { return finished_; });
}

std::string TNetConnectThread::ErrorMessage() {
  std::lock_guard lock(mutex_);
  return error_message_;
}
