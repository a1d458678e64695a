#pragma once
#include <functional>
#include <memory>

#include "gif/MainThreadDispatcher.h"

namespace gif {

enum class TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

class TTimerThread;

// A clock that calls OnTimer every Interval milliseconds. By default a
// thread of its own measures the time and each tick runs on the main thread,
// the next wait starting only when the tick is done: the period is the
// handler's time plus the interval. It can also run ticks on its own thread
// (SyncEvent off) or use a timer of the main thread (Threaded off).
//
// Settings are changed on the main thread. The main thread never waits for
// the clock thread, which may itself be waiting for a tick running there,
// not even to destroy the clock. A tick handed over before a restart or the
// destruction is dropped, so no tick starts after the clock is gone. A
// failure inside OnTimer is reported through the application's error
// handler, on the main thread, and the clock keeps running.
//
// With SyncEvent off, OnTimer runs on the clock thread while the main thread
// may destroy the clock, and whatever owns it, at any moment: such a handler
// should only hand its work over with RunInMainThread.
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
  void SetOnTimer(TimerHandler handler);

  // Calls OnTimer when enabled and set, and the clock is not being destroyed.
  void ClockTick();

  // Called by a tick on a clock thread: runs `handler` on the main thread and
  // waits for it; a failure inside it comes back to the caller. Anywhere else
  // it simply calls `handler`. It takes no clock of its own, so that a tick
  // can call it after its clock has gone: the clock is the one whose tick is
  // running.
  //
  // The handler is dropped, not run, once that clock has been restarted
  // since the tick began or is being destroyed, also when it is already
  // waiting on the main thread. Running it directly then, on the clock
  // thread, would run main-thread work on the wrong thread, for a tick that
  // no longer counts.
  static void RunInMainThread(const std::function<void()>& handler);

 private:
  void RestartClock();

  std::shared_ptr<TTimerThread> thread_;
  std::unique_ptr<MainThreadTimer> windowTimer_;
};

}  // namespace gif
