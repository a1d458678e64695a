#include "gif/MainThreadDispatcher.h"

#include <mutex>

namespace gif {
namespace {

std::mutex& DispatcherMutex() {
  static std::mutex mutex;
  return mutex;
}

std::shared_ptr<MainThreadDispatcher>& Installed() {
  static std::shared_ptr<MainThreadDispatcher> dispatcher;
  return dispatcher;
}

}  // namespace

void InstallMainThreadDispatcher(std::shared_ptr<MainThreadDispatcher> dispatcher) {
  std::lock_guard lock(DispatcherMutex());
  Installed() = std::move(dispatcher);
}

std::shared_ptr<MainThreadDispatcher> CurrentMainThreadDispatcher() {
  std::lock_guard lock(DispatcherMutex());
  return Installed();
}

}  // namespace gif
