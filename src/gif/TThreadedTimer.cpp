#include "gif/TThreadedTimer.h"

#include <chrono>
#include <exception>
#include <stdexcept>
#include <utility>

#include "gif/TTimerThread.h"
#include "platform/ErrorReport.h"

namespace gif {
namespace {

constexpr const char* kNoDispatcher = "The clock cannot reach the main thread: no dispatcher is installed";

}  // namespace

TThreadedTimer::TThreadedTimer() : thread_(TTimerThread::Start(*this)) {}

TThreadedTimer::~TThreadedTimer() {
  TimerHandler dropped;
  {
    std::lock_guard lock(thread_->Mutex);
    thread_->enabled = false;
    dropped = std::move(thread_->onTimer);
    thread_->onTimer = nullptr;
    thread_->Owner = nullptr;
    thread_->Terminated = true;
  }
  // The thread, a tick waiting for the main thread and a RunInMainThread
  // waiting there all let go; none of them is waited for.
  thread_->WakeEvent.notify_all();
  windowTimer_.reset();
}

bool TThreadedTimer::Enabled() const {
  std::lock_guard lock(thread_->Mutex);
  return thread_->enabled;
}

void TThreadedTimer::SetEnabled(bool enabled) {
  {
    std::lock_guard lock(thread_->Mutex);
    if (thread_->enabled == enabled) return;
    thread_->enabled = enabled;
  }
  RestartClock();
}

unsigned TThreadedTimer::Interval() const {
  std::lock_guard lock(thread_->Mutex);
  return thread_->interval;
}

void TThreadedTimer::SetInterval(unsigned intervalMs) {
  {
    std::lock_guard lock(thread_->Mutex);
    if (thread_->interval == intervalMs) return;
    thread_->interval = intervalMs;
  }
  RestartClock();
}

bool TThreadedTimer::SyncEvent() const {
  std::lock_guard lock(thread_->Mutex);
  return thread_->syncEvent;
}

void TThreadedTimer::SetSyncEvent(bool syncEvent) {
  std::lock_guard lock(thread_->Mutex);
  thread_->syncEvent = syncEvent;
}

bool TThreadedTimer::Threaded() const {
  std::lock_guard lock(thread_->Mutex);
  return thread_->threaded;
}

void TThreadedTimer::SetThreaded(bool threaded) {
  {
    std::lock_guard lock(thread_->Mutex);
    if (thread_->threaded == threaded) return;
    thread_->threaded = threaded;
  }
  RestartClock();
}

TThreadPriority TThreadedTimer::ThreadPriority() const {
  std::lock_guard lock(thread_->Mutex);
  return thread_->priority;
}

void TThreadedTimer::SetThreadPriority(TThreadPriority priority) {
  bool threaded = false;
  {
    std::lock_guard lock(thread_->Mutex);
    if (thread_->priority == priority) return;
    thread_->priority = priority;
    threaded = thread_->threaded;
  }
  if (threaded) RestartClock();
}

void TThreadedTimer::SetOnTimer(TimerHandler handler) {
  bool setChanged = false;
  {
    std::lock_guard lock(thread_->Mutex);
    setChanged = static_cast<bool>(thread_->onTimer) != static_cast<bool>(handler);
    std::swap(thread_->onTimer, handler);
  }
  // The handler replaced goes here, outside the lock.
  if (setChanged) RestartClock();
}

void TThreadedTimer::RestartClock() {
  const std::shared_ptr<MainThreadDispatcher> dispatcher = CurrentMainThreadDispatcher();
  std::unique_lock lock(thread_->Mutex);
  if (thread_->Terminated) return;
  ++thread_->generation;
  const bool ticking = thread_->interval != 0 && thread_->enabled && thread_->onTimer;
  if (thread_->threaded) {
    thread_->WaitInterval = thread_->interval;
    // A clock that starts from rest begins its wait now, not whenever its
    // thread gets to run; a wait already begun keeps its end.
    if (ticking && !thread_->resumed && !thread_->waitEnd)
      thread_->waitEnd = TTimerThread::Clock::now() + std::chrono::milliseconds(thread_->WaitInterval);
    thread_->resumed = ticking;
    // Said here, on the main thread, where the error handler may show it;
    // the clock thread itself has no way to the main thread without one.
    const bool tellNoDispatcher =
        ticking && thread_->syncEvent && !dispatcher && !std::exchange(thread_->reportedNoDispatcher, true);
    lock.unlock();
    thread_->WakeEvent.notify_all();
    windowTimer_.reset();
    if (tellNoDispatcher) platform::ReportError(kNoDispatcher);
    return;
  }
  thread_->resumed = false;
  const unsigned interval = thread_->interval;
  lock.unlock();
  thread_->WakeEvent.notify_all();
  windowTimer_.reset();
  if (!ticking) return;
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
    std::lock_guard lock(thread_->Mutex);
    if (!thread_->enabled || !thread_->Owner || !thread_->onTimer) return;
    handler = thread_->onTimer;
  }
  handler(*this);
}

void TThreadedTimer::RunInMainThread(const std::function<void()>& handler) {
  const TTimerThread::Tick* tick = TTimerThread::CurrentTick();
  if (!tick) {
    handler();
    return;
  }
  const std::shared_ptr<MainThreadDispatcher> dispatcher = CurrentMainThreadDispatcher();
  if (!dispatcher) throw std::runtime_error(kNoDispatcher);
  struct Call {
    bool done = false;
    std::exception_ptr failure;
  };
  auto call = std::make_shared<Call>();
  TTimerThread& thread = *tick->thread;
  std::unique_lock lock(thread.Mutex);
  if (thread.Terminated || thread.generation != tick->generation) return;
  // The task owns its copy of the handler: the caller may be released and
  // gone while the main thread is still inside it.
  dispatcher->Post([thread = tick->thread, generation = tick->generation, call, handler] {
    bool stale = false;
    {
      std::lock_guard guard(thread->Mutex);
      stale = thread->Terminated || thread->generation != generation;
    }
    if (!stale) {
      try {
        handler();
      } catch (...) {
        call->failure = std::current_exception();
      }
    }
    {
      std::lock_guard guard(thread->Mutex);
      call->done = true;
    }
    thread->WakeEvent.notify_all();
  });
  thread.WakeEvent.wait(lock, [&] { return call->done || thread.Terminated; });
  if (call->done && call->failure) std::rethrow_exception(call->failure);
}

}  // namespace gif
