#include "gif/TTimerThread.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <thread>

#include "gif/ErrorText.h"
#include "platform/ErrorReport.h"

namespace gif {
namespace {

thread_local const TTimerThread::Tick* currentTick = nullptr;

// Marks the calling clock thread as running `tick` for as long as it lives.
class TickScope {
 public:
  explicit TickScope(const TTimerThread::Tick& tick) { currentTick = &tick; }
  ~TickScope() { currentTick = nullptr; }
  TickScope(const TickScope&) = delete;
  TickScope& operator=(const TickScope&) = delete;
};

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

// The error handler shows its text in a window, and windows belong to the
// main thread. Without a dispatcher there is no way there, and the text goes
// to standard error as it does when no handler is installed.
void ReportOnMainThread(std::string message) {
  if (const std::shared_ptr<MainThreadDispatcher> dispatcher = CurrentMainThreadDispatcher())
    dispatcher->Post([message = std::move(message)] { platform::ReportError(message); });
  else
    std::fprintf(stderr, "%s\n", message.c_str());
}

}  // namespace

std::shared_ptr<TTimerThread> TTimerThread::Start(TThreadedTimer& owner) {
  auto thread = std::make_shared<TTimerThread>();
  thread->Owner = &owner;
  std::thread([thread] { thread->Execute(); }).detach();
  return thread;
}

const TTimerThread::Tick* TTimerThread::CurrentTick() { return currentTick; }

void TTimerThread::Execute() {
  std::unique_lock lock(Mutex);
  TThreadPriority applied = TThreadPriority::tpNormal;
  while (!Terminated) {
    if (!resumed) {
      WakeEvent.wait(lock);
      continue;
    }
    if (priority != applied) {
      applied = priority;
      ApplyPriority(applied);
    }
    if (!waitEnd) waitEnd = Clock::now() + std::chrono::milliseconds(WaitInterval);
    if (Clock::now() < *waitEnd) {
      WakeEvent.wait_until(lock, *waitEnd);
      continue;
    }
    waitEnd.reset();
    if (!enabled) continue;
    if (syncEvent)
      HandTickToMainThread(lock);
    else
      TickOnClockThread(lock);
  }
}

// Hands the tick to the main thread and waits until it has run there or
// been dropped, or the component is gone. Without a dispatcher the tick is
// lost; the component said so on the main thread when it started the clock.
void TTimerThread::HandTickToMainThread(std::unique_lock<std::mutex>& lock) {
  const std::shared_ptr<MainThreadDispatcher> dispatcher = CurrentMainThreadDispatcher();
  if (!dispatcher) return;
  const std::uint64_t token = ++handedTick_;
  // Posting under the lock means nothing is posted once the component has
  // been destroyed.
  dispatcher->Post([self = shared_from_this(), token, tickGeneration = generation] {
    self->RunHandedTick(token, tickGeneration);
  });
  WakeEvent.wait(lock, [&] { return Terminated || finishedTick_ >= token; });
}

void TTimerThread::RunHandedTick(std::uint64_t token, std::uint64_t tickGeneration) {
  TThreadedTimer* owner = nullptr;
  {
    std::lock_guard lock(Mutex);
    if (!Terminated && generation == tickGeneration) owner = Owner;
  }
  if (owner) {
    try {
      owner->ClockTick();
    } catch (...) {
      platform::ReportCurrentException();
    }
  }
  {
    std::lock_guard lock(Mutex);
    if (finishedTick_ < token) finishedTick_ = token;
  }
  WakeEvent.notify_all();
}

// The same checks as ClockTick, made here under the lock: the component may
// be destroyed on the main thread while the handler runs, so only the copy of
// the handler taken here is used, and nothing of the component afterwards.
void TTimerThread::TickOnClockThread(std::unique_lock<std::mutex>& lock) {
  if (!Owner || !onTimer) return;
  TThreadedTimer::TimerHandler handler = onTimer;
  TThreadedTimer& sender = *Owner;
  const Tick tick{shared_from_this(), generation};
  lock.unlock();
  {
    const TickScope scope(tick);
    try {
      handler(sender);
    } catch (...) {
      ReportOnMainThread(CurrentErrorText());
    }
  }
  handler = nullptr;
  lock.lock();
}

}  // namespace gif
