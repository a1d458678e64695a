#pragma once
#include <functional>
#include <memory>
#include <thread>

#include "gif/MainThreadDispatcher.h"

namespace gif {

enum class TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

struct ClockState;

// A clock that calls OnTimer every Interval milliseconds. By default a
// thread of its own measures the time and each tick runs on the main thread,
// the next wait starting only when the tick is done: the period is the
// handler's time plus the interval. It can also run ticks on its own thread
// (SyncEvent off) or use a timer of the main thread (Threaded off).
//
// Settings are changed on the main thread. The main thread never waits for
// the clock thread, which may itself be waiting for a tick running there; a
// tick handed over before a restart or the destruction is dropped, so no tick
// runs after the clock is gone. A failure inside OnTimer is reported through
// the application's error handler and the clock keeps running.
class TThreadedTimer {
 public:
  using TimerHandler = std::function<void(TThreadedTimer& sender)>;

  TThreadedTimer();
  ~TThreadedTimer();
  TThreadedTimer(const TThreadedTimer&) = delete;
  TThreadedTimer& operator=(const TThreadedTimer&) = delete;

  bool Enabled() const;
  void SetEnabled(bool enabled);
  unsigned Interval() const;
  void SetInterval(unsigned intervalMs);
  bool SyncEvent() const;
  void SetSyncEvent(bool syncEvent);
  bool Threaded() const;
  void SetThreaded(bool threaded);
  TThreadPriority ThreadPriority() const;
  // Lowering the priority works for everyone; raising it again needs the
  // privileges the system asks for, and is skipped without them.
  void SetThreadPriority(TThreadPriority priority);
  bool HasOnTimer() const;
  void SetOnTimer(TimerHandler handler);

  // Calls OnTimer when enabled and set, and the clock is not being destroyed.
  void ClockTick();
  // Runs `handler` on the main thread and waits for it; directly when called
  // there. Gives up without running it when the clock is destroyed meanwhile.
  // A failure inside `handler` comes back to the caller.
  void RunInMainThread(const std::function<void()>& handler);

 private:
  void RestartClock();

  std::shared_ptr<ClockState> state_;
  std::unique_ptr<MainThreadTimer> windowTimer_;
  std::thread thread_;
};

}  // namespace gif
