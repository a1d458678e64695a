#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "gif/ClockState.h"
#include "platform/ErrorReport.h"

namespace gif {
namespace {

int NiceValue(TThreadPriority priority) {
  switch (priority) {
    case TThreadPriority::tpIdle: return 19;
    case TThreadPriority::tpLowest: return 10;
    case TThreadPriority::tpLower: return 5;
    case TThreadPriority::tpNormal: return 0;
    case TThreadPriority::tpHigher: return -5;
    case TThreadPriority::tpHighest: return -10;
    case TThreadPriority::tpTimeCritical: return -20;
  }
  return 0;
}

// Only the thread itself can give itself a nice value; the system refuses a
// raise without privileges, which leaves the priority as it was.
void ApplyPriority(TThreadPriority priority) {
  const auto tid = static_cast<id_t>(::syscall(SYS_gettid));
  ::setpriority(PRIO_PROCESS, tid, NiceValue(priority));
}

void RunHandedTick(const std::shared_ptr<ClockState>& state, std::uint64_t token, std::uint64_t generation) {
  TThreadedTimer* owner = nullptr;
  {
    std::lock_guard lock(state->mutex);
    if (!state->terminated && state->generation == generation) owner = state->owner;
  }
  if (owner) {
    try {
      owner->ClockTick();
    } catch (...) {
      platform::ReportCurrentException();
    }
  }
  {
    std::lock_guard lock(state->mutex);
    if (state->finishedTick < token) state->finishedTick = token;
  }
  state->wake.notify_all();
}

// Hands the tick to the main thread and waits until it has run there or
// been dropped, or the component is gone.
void HandTickToMainThread(const std::shared_ptr<ClockState>& state, std::unique_lock<std::mutex>& lock) {
  const std::shared_ptr<MainThreadDispatcher> dispatcher = CurrentMainThreadDispatcher();
  if (!dispatcher) {
    if (!state->reportedNoDispatcher) {
      state->reportedNoDispatcher = true;
      lock.unlock();
      platform::ReportError("The clock cannot reach the main thread: no dispatcher is installed");
      lock.lock();
    }
    return;
  }
  const std::uint64_t token = ++state->handedTick;
  const std::uint64_t generation = state->generation;
  // Posting under the lock means nothing is posted once the component has
  // been destroyed.
  dispatcher->Post([state, token, generation] { RunHandedTick(state, token, generation); });
  state->wake.wait(lock, [&] { return state->terminated || state->finishedTick >= token; });
}

void TickOnClockThread(const std::shared_ptr<ClockState>& state, std::unique_lock<std::mutex>& lock) {
  TThreadedTimer* owner = state->owner;
  if (!owner) return;
  state->tickOnClockThread = true;
  lock.unlock();
  try {
    owner->ClockTick();
  } catch (...) {
    platform::ReportCurrentException();
  }
  lock.lock();
  state->tickOnClockThread = false;
  state->wake.notify_all();
}

}  // namespace

void RunTimerThread(std::shared_ptr<ClockState> state) {
  std::unique_lock lock(state->mutex);
  TThreadPriority applied = TThreadPriority::tpNormal;
  while (!state->terminated) {
    if (!state->resumed) {
      state->wake.wait(lock);
      continue;
    }
    if (state->priority != applied) {
      applied = state->priority;
      ApplyPriority(applied);
    }
    if (!state->waitEnd) state->waitEnd = ClockState::Clock::now() + std::chrono::milliseconds(state->waitInterval);
    if (ClockState::Clock::now() < *state->waitEnd) {
      state->wake.wait_until(lock, *state->waitEnd);
      continue;
    }
    state->waitEnd.reset();
    if (!state->enabled) continue;
    if (state->syncEvent)
      HandTickToMainThread(state, lock);
    else
      TickOnClockThread(state, lock);
  }
}

}  // namespace gif
