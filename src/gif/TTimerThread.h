#pragma once
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>

#include "gif/TThreadedTimer.h"

namespace gif {

// The clock thread of a TThreadedTimer together with everything the two
// share, under Mutex. The thread holds this object, and so does every piece
// of work it hands to the main thread; the component merely lets go of it
// when it is destroyed. So neither the thread nor a tick ever needs the
// component to exist any more, and the component never waits for them.
class TTimerThread : public std::enable_shared_from_this<TTimerThread> {
 public:
  using Clock = std::chrono::steady_clock;

  // Starts the thread, suspended. It ends by itself once Terminated is set
  // and WakeEvent signalled, and the object goes with its last holder.
  static std::shared_ptr<TTimerThread> Start(TThreadedTimer& owner);

  // A tick running OnTimer on its clock thread. Work handed to the main
  // thread from inside it is dropped once the clock was restarted after the
  // tick began (`generation`) or destroyed.
  struct Tick {
    std::shared_ptr<TTimerThread> thread;
    std::uint64_t generation;
  };
  // The tick the calling thread is running; null on every other thread.
  static const Tick* CurrentTick();

  std::mutex Mutex;
  // Signalled for everything the thread must see at once: a resume, new
  // settings, the end.
  std::condition_variable WakeEvent;

  // The component; null once it is being destroyed. Only followed on the
  // main thread, where the component is destroyed.
  TThreadedTimer* Owner = nullptr;
  bool Terminated = false;
  unsigned WaitInterval = 1000;

  // The component's settings, written by the main thread.
  bool enabled = true;
  unsigned interval = 1000;
  bool syncEvent = true;
  bool threaded = true;
  TThreadPriority priority = TThreadPriority::tpNormal;
  TThreadedTimer::TimerHandler onTimer;

  // The thread waits while not resumed ("suspended").
  bool resumed = false;
  // The end of the wait in progress: kept across a suspension, so that a
  // change of settings never starts a wait over.
  std::optional<Clock::time_point> waitEnd;
  // Bumped by every restart: ticks handed over before it are dropped.
  std::uint64_t generation = 0;
  bool reportedNoDispatcher = false;

 private:
  void Execute();
  void HandTickToMainThread(std::unique_lock<std::mutex>& lock);
  void RunHandedTick(std::uint64_t token, std::uint64_t tickGeneration);
  void TickOnClockThread(std::unique_lock<std::mutex>& lock);

  std::uint64_t handedTick_ = 0;
  std::uint64_t finishedTick_ = 0;
};

}  // namespace gif
