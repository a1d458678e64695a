#pragma once
#include <functional>
#include <memory>

namespace gif {

// A repeating timer of the main thread; it stops when destroyed.
class MainThreadTimer {
 public:
  virtual ~MainThreadTimer() = default;
};

// How the clock reaches the user-interface thread without knowing the window
// system: the window layer installs one at start-up.
class MainThreadDispatcher {
 public:
  virtual ~MainThreadDispatcher() = default;
  // Runs `task` on the main thread later; callable from any thread.
  virtual void Post(std::function<void()> task) = 0;
  virtual bool IsMainThread() const = 0;
  // Calls `tick` on the main thread every `intervalMs`; null when the window
  // system has no timer to give.
  virtual std::unique_ptr<MainThreadTimer> StartTimer(unsigned intervalMs, std::function<void()> tick) = 0;
};

void InstallMainThreadDispatcher(std::shared_ptr<MainThreadDispatcher> dispatcher);
std::shared_ptr<MainThreadDispatcher> CurrentMainThreadDispatcher();

}  // namespace gif
