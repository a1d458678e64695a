#pragma once
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>

#include "gif/TThreadedTimer.h"

namespace gif {

// What a TThreadedTimer and its clock thread share, under one mutex. The
// thread and every tick handed to the main thread hold it, so it outlives
// the component.
struct ClockState {
  using Clock = std::chrono::steady_clock;

  std::mutex mutex;
  std::condition_variable wake;

  // The component; null once it is being destroyed.
  TThreadedTimer* owner = nullptr;

  // Settings, written by the main thread.
  bool enabled = true;
  unsigned interval = 1000;
  bool syncEvent = true;
  bool threaded = true;
  TThreadPriority priority = TThreadPriority::tpNormal;
  TThreadedTimer::TimerHandler onTimer;

  // The clock thread's side. It waits while not resumed ("suspended").
  bool resumed = false;
  bool terminated = false;
  unsigned waitInterval = 1000;
  // The end of the wait in progress: kept across a suspension, so that a
  // change of settings never starts a wait over.
  std::optional<Clock::time_point> waitEnd;
  // Bumped by every restart: ticks handed over before it are dropped.
  std::uint64_t generation = 0;
  std::uint64_t handedTick = 0;
  std::uint64_t finishedTick = 0;
  bool tickOnClockThread = false;
  bool reportedNoDispatcher = false;
};

// The clock thread's loop; returns when the component is destroyed.
void RunTimerThread(std::shared_ptr<ClockState> state);

}  // namespace gif
