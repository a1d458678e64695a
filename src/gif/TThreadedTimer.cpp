#include "gif/TThreadedTimer.h"

#include <exception>
#include <stdexcept>

#include "gif/ClockState.h"
#include "platform/ErrorReport.h"

namespace gif {

TThreadedTimer::TThreadedTimer() : state_(std::make_shared<ClockState>()) {
  state_->owner = this;
  thread_ = std::thread(RunTimerThread, state_);
}

TThreadedTimer::~TThreadedTimer() {
  {
    std::unique_lock lock(state_->mutex);
    state_->enabled = false;
    state_->onTimer = nullptr;
    state_->owner = nullptr;
    state_->terminated = true;
    state_->wake.notify_all();
    // A tick running on the clock thread still uses this component; a tick
    // waiting for the main thread has just been released above.
    if (thread_.get_id() != std::this_thread::get_id())
      state_->wake.wait(lock, [&] { return !state_->tickOnClockThread; });
  }
  windowTimer_.reset();
  thread_.detach();
}

bool TThreadedTimer::Enabled() const {
  std::lock_guard lock(state_->mutex);
  return state_->enabled;
}

void TThreadedTimer::SetEnabled(bool enabled) {
  {
    std::lock_guard lock(state_->mutex);
    if (state_->enabled == enabled) return;
    state_->enabled = enabled;
  }
  RestartClock();
}

unsigned TThreadedTimer::Interval() const {
  std::lock_guard lock(state_->mutex);
  return state_->interval;
}

void TThreadedTimer::SetInterval(unsigned intervalMs) {
  {
    std::lock_guard lock(state_->mutex);
    if (state_->interval == intervalMs) return;
    state_->interval = intervalMs;
  }
  RestartClock();
}

bool TThreadedTimer::SyncEvent() const {
  std::lock_guard lock(state_->mutex);
  return state_->syncEvent;
}

void TThreadedTimer::SetSyncEvent(bool syncEvent) {
  std::lock_guard lock(state_->mutex);
  state_->syncEvent = syncEvent;
}

bool TThreadedTimer::Threaded() const {
  std::lock_guard lock(state_->mutex);
  return state_->threaded;
}

void TThreadedTimer::SetThreaded(bool threaded) {
  {
    std::lock_guard lock(state_->mutex);
    if (state_->threaded == threaded) return;
    state_->threaded = threaded;
  }
  RestartClock();
}

TThreadPriority TThreadedTimer::ThreadPriority() const {
  std::lock_guard lock(state_->mutex);
  return state_->priority;
}

void TThreadedTimer::SetThreadPriority(TThreadPriority priority) {
  bool threaded = false;
  {
    std::lock_guard lock(state_->mutex);
    if (state_->priority == priority) return;
    state_->priority = priority;
    threaded = state_->threaded;
  }
  if (threaded) RestartClock();
}

bool TThreadedTimer::HasOnTimer() const {
  std::lock_guard lock(state_->mutex);
  return static_cast<bool>(state_->onTimer);
}

void TThreadedTimer::SetOnTimer(TimerHandler handler) {
  bool setChanged = false;
  {
    std::lock_guard lock(state_->mutex);
    setChanged = static_cast<bool>(state_->onTimer) != static_cast<bool>(handler);
    state_->onTimer = std::move(handler);
  }
  if (setChanged) RestartClock();
}

void TThreadedTimer::RestartClock() {
  std::unique_lock lock(state_->mutex);
  if (state_->terminated) return;
  ++state_->generation;
  const bool ticking = state_->interval != 0 && state_->enabled && state_->onTimer;
  if (state_->threaded) {
    state_->waitInterval = state_->interval;
    // A clock that starts from rest begins its wait now, not whenever its
    // thread gets to run; a wait already begun keeps its end.
    if (ticking && !state_->resumed && !state_->waitEnd)
      state_->waitEnd = ClockState::Clock::now() + std::chrono::milliseconds(state_->waitInterval);
    state_->resumed = ticking;
    lock.unlock();
    state_->wake.notify_all();
    windowTimer_.reset();
    return;
  }
  state_->resumed = false;
  const unsigned interval = state_->interval;
  lock.unlock();
  state_->wake.notify_all();
  windowTimer_.reset();
  if (!ticking) return;
  const std::shared_ptr<MainThreadDispatcher> dispatcher = CurrentMainThreadDispatcher();
  if (dispatcher)
    windowTimer_ = dispatcher->StartTimer(interval, [this] {
      try {
        ClockTick();
      } catch (...) {
        platform::ReportCurrentException();
      }
    });
  if (!windowTimer_) throw std::runtime_error("Not enough timers available");
}

void TThreadedTimer::ClockTick() {
  TimerHandler handler;
  {
    std::lock_guard lock(state_->mutex);
    if (!state_->enabled || !state_->owner || !state_->onTimer) return;
    handler = state_->onTimer;
  }
  handler(*this);
}

void TThreadedTimer::RunInMainThread(const std::function<void()>& handler) {
  const std::shared_ptr<MainThreadDispatcher> dispatcher = CurrentMainThreadDispatcher();
  if (!dispatcher || dispatcher->IsMainThread()) {
    handler();
    return;
  }
  struct Call {
    bool done = false;
    std::exception_ptr failure;
  };
  auto call = std::make_shared<Call>();
  std::unique_lock lock(state_->mutex);
  if (state_->terminated) return;
  dispatcher->Post([state = state_, call, &handler] {
    {
      std::lock_guard guard(state->mutex);
      if (state->terminated) return;
    }
    try {
      handler();
    } catch (...) {
      call->failure = std::current_exception();
    }
    {
      std::lock_guard guard(state->mutex);
      call->done = true;
    }
    state->wake.notify_all();
  });
  state_->wake.wait(lock, [&] { return call->done || state_->terminated; });
  if (call->failure) std::rethrow_exception(call->failure);
}

}  // namespace gif
