#pragma once
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include "net/TNetStack.h"
#include "platform/UniqueFd.h"

// Runs one connect on a short-lived thread while the caller waits in slices
// and keeps the window responsive. The socket is non-blocking and the thread
// waits for it together with a cancel signal, so a time limit or the
// program's exit really ends the attempt: closing a socket does not abort a
// connect blocked in another thread on this platform.
class TNetConnectThread {
 public:
  // Starts connecting `fd` (which must be non-blocking) to ip:port.
  TNetConnectThread(TNetStack& stack, int fd, std::string ip, int port);
  // Cancels a connect still running and waits for the thread.
  ~TNetConnectThread();
  TNetConnectThread(const TNetConnectThread&) = delete;
  TNetConnectThread& operator=(const TNetConnectThread&) = delete;

  // Waits up to `timeout_ms` for the connect to end; true once it has.
  bool WaitFinished(int timeout_ms);
  // Empty after success; the socket error's message after a failure.
  std::string ErrorMessage();

 private:
  void Run(std::string ip, int port);
  void Cancel();

  TNetStack& stack_;
  int fd_;
  platform::UniqueFd cancel_;
  std::mutex mutex_;
  std::condition_variable finished_changed_;
  bool finished_ = false;
  std::string error_message_;
  std::thread thread_;
};
