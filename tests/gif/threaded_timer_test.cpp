// The threaded clock: parking and resuming, the period, dropped ticks and
// work, destruction, the failure handling, and the main-thread timer mode.
// Bounds are generous: the clock only promises that a tick never comes early.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <functional>
#include <memory>
#include <stdexcept>

#include "gif/FakeMainThread.h"
#include "gif/TThreadedTimer.h"
#include "platform/ErrorReport.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using gif::TThreadedTimer;

class ThreadedTimerTest : public testing::Test {
 protected:
  void SetUp() override {
    gif::InstallMainThreadDispatcher(main_);
    // Reports belong on the main thread, where the handler shows them.
    platform::SetErrorPresenter([this](const std::string& message) {
      if (main_->IsMainThread())
        errors_.push_back(message);
      else
        ++reportsOffMain_;
    });
  }
  void TearDown() override {
    gif::InstallMainThreadDispatcher(nullptr);
    platform::SetErrorPresenter(nullptr);
  }

  std::shared_ptr<gif_test::FakeMainThread> main_ = std::make_shared<gif_test::FakeMainThread>();
  std::vector<std::string> errors_;
  std::atomic<int> reportsOffMain_ = 0;
};

// Waits on the test's thread, without running main-thread work.
bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds limit = 5s) {
  const auto deadline = Clock::now() + limit;
  while (!done()) {
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(1ms);
  }
  return true;
}

TEST_F(ThreadedTimerTest, TicksRunOnTheMainThreadAndIntervalZeroParks) {
  TThreadedTimer timer;
  timer.SetInterval(20);
  int ticks = 0;
  bool onMain = true;
  timer.SetOnTimer([&](TThreadedTimer&) {
    ++ticks;
    onMain = onMain && main_->IsMainThread();
  });
  ASSERT_TRUE(main_->PumpUntil([&] { return ticks >= 3; }));
  EXPECT_TRUE(onMain);

  timer.SetInterval(0);
  main_->PumpFor(50ms);  // a tick already handed over may still arrive
  const int parkedAt = ticks;
  main_->PumpFor(200ms);
  EXPECT_EQ(ticks, parkedAt);

  timer.SetInterval(20);
  EXPECT_TRUE(main_->PumpUntil([&] { return ticks >= parkedAt + 2; }));
}

TEST_F(ThreadedTimerTest, PeriodIsHandlerTimePlusInterval) {
  TThreadedTimer timer;
  timer.SetInterval(50);
  std::vector<Clock::time_point> at;
  timer.SetOnTimer([&](TThreadedTimer&) {
    at.push_back(Clock::now());
    std::this_thread::sleep_for(30ms);
  });
  ASSERT_TRUE(main_->PumpUntil([&] { return at.size() >= 5; }));
  const auto average = (at.back() - at.front()) / static_cast<int>(at.size() - 1);
  EXPECT_GE(average, 78ms);
  EXPECT_LT(average, 1000ms);
}

TEST_F(ThreadedTimerTest, DisabledClockDeliversNothing) {
  TThreadedTimer timer;
  timer.SetInterval(10);
  int ticks = 0;
  timer.SetOnTimer([&](TThreadedTimer&) { ++ticks; });
  timer.SetEnabled(false);
  main_->PumpFor(150ms);
  EXPECT_EQ(ticks, 0);
}

TEST_F(ThreadedTimerTest, ReplacingTheHandlerKeepsTheWaitInProgress) {
  TThreadedTimer timer;
  timer.SetInterval(300);
  std::vector<int> calls;
  timer.SetOnTimer([&](TThreadedTimer&) { calls.push_back(1); });
  const auto started = Clock::now();
  std::this_thread::sleep_for(150ms);
  timer.SetOnTimer([&](TThreadedTimer&) { calls.push_back(2); });
  timer.SetInterval(300);  // unchanged: nothing restarts
  ASSERT_TRUE(main_->PumpUntil([&] { return !calls.empty(); }));
  EXPECT_EQ(calls.front(), 2);
  EXPECT_LT(Clock::now() - started, 440ms + 1000ms);
  EXPECT_GE(Clock::now() - started, 300ms);
}

TEST_F(ThreadedTimerTest, AFailingHandlerIsReportedAndTheClockGoesOn) {
  TThreadedTimer timer;
  timer.SetInterval(10);
  int ticks = 0;
  timer.SetOnTimer([&](TThreadedTimer&) {
    ++ticks;
    throw std::runtime_error("frame failed");
  });
  ASSERT_TRUE(main_->PumpUntil([&] { return ticks >= 3; }));
  ASSERT_GE(errors_.size(), 2u);
  EXPECT_EQ(errors_.front(), "frame failed");
}

TEST_F(ThreadedTimerTest, NoTickRunsAfterDestruction) {
  std::atomic<int> ticks = 0;
  {
    TThreadedTimer timer;
    timer.SetInterval(5);
    timer.SetOnTimer([&](TThreadedTimer&) { ++ticks; });
    // Let the clock hand a tick over without running it.
    const auto deadline = Clock::now() + 5s;
    while (main_->QueuedTasks() == 0 && Clock::now() < deadline) std::this_thread::sleep_for(1ms);
    ASSERT_GT(main_->QueuedTasks(), 0u);
  }
  main_->PumpFor(100ms);
  EXPECT_EQ(ticks, 0);
}

TEST_F(ThreadedTimerTest, TicksOnTheClockThreadWithoutSyncEvent) {
  TThreadedTimer timer;
  timer.SetSyncEvent(false);
  timer.SetInterval(10);
  std::atomic<int> ticks = 0;
  std::atomic<bool> onMain = false;
  std::atomic<int> ranOnMain = 0;
  timer.SetOnTimer([&](TThreadedTimer&) {
    onMain = onMain || main_->IsMainThread();
    TThreadedTimer::RunInMainThread([&] { ranOnMain += main_->IsMainThread() ? 1 : 0; });
    ++ticks;
  });
  ASSERT_TRUE(main_->PumpUntil([&] { return ticks >= 3; }));
  EXPECT_FALSE(onMain);
  EXPECT_GE(ranOnMain, 3);
}

TEST_F(ThreadedTimerTest, AFailureOnTheClockThreadIsReportedOnTheMainThread) {
  TThreadedTimer timer;
  timer.SetSyncEvent(false);
  timer.SetInterval(10);
  std::atomic<int> ticks = 0;
  timer.SetOnTimer([&](TThreadedTimer&) {
    ++ticks;
    throw std::runtime_error("tick failed");
  });
  ASSERT_TRUE(main_->PumpUntil([&] { return errors_.size() >= 2; }));
  EXPECT_EQ(errors_.front(), "tick failed");
  EXPECT_EQ(reportsOffMain_, 0);

  // A failure of work handed to the main thread comes back to the tick,
  // and from there to the main thread's error handler.
  timer.SetOnTimer([&](TThreadedTimer&) {
    TThreadedTimer::RunInMainThread([] { throw std::runtime_error("handed work failed"); });
  });
  ASSERT_TRUE(main_->PumpUntil([&] { return errors_.back() == "handed work failed"; }));
  EXPECT_EQ(reportsOffMain_, 0);
}

TEST_F(ThreadedTimerTest, DestructionNeverWaitsForATickOnTheClockThread) {
  std::atomic<bool> inside = false, release = false, finished = false;
  std::atomic<int> ticks = 0;
  auto timer = std::make_unique<TThreadedTimer>();
  timer->SetSyncEvent(false);
  timer->SetInterval(5);
  timer->SetOnTimer([&](TThreadedTimer&) {
    ++ticks;
    inside = true;
    // Gives up after a while, so that a destructor that waits makes the
    // test fail instead of hang.
    WaitFor([&] { return release.load(); });
    finished = true;
  });
  ASSERT_TRUE(WaitFor([&] { return inside.load(); }));
  timer.reset();
  EXPECT_FALSE(finished) << "the destructor waited for the tick";
  release = true;
  ASSERT_TRUE(WaitFor([&] { return finished.load(); }));
  main_->PumpFor(100ms);
  EXPECT_EQ(ticks, 1);
}

TEST_F(ThreadedTimerTest, RunInMainThreadIsReleasedByDestruction) {
  std::atomic<bool> returned = false, workRan = false;
  auto timer = std::make_unique<TThreadedTimer>();
  timer->SetSyncEvent(false);
  timer->SetInterval(5);
  timer->SetOnTimer([&](TThreadedTimer&) {
    TThreadedTimer::RunInMainThread([&] { workRan = true; });
    returned = true;
  });
  ASSERT_TRUE(WaitFor([&] { return main_->QueuedTasks() > 0; }));
  timer.reset();
  EXPECT_TRUE(WaitFor([&] { return returned.load(); }));
  main_->PumpFor(100ms);
  EXPECT_FALSE(workRan);
}

TEST_F(ThreadedTimerTest, WorkQueuedBeforeARestartIsDropped) {
  {  // a tick handed to the main thread
    TThreadedTimer timer;
    timer.SetInterval(5);
    int ticks = 0;
    timer.SetOnTimer([&](TThreadedTimer&) { ++ticks; });
    ASSERT_TRUE(WaitFor([&] { return main_->QueuedTasks() > 0; }));
    timer.SetInterval(60000);
    main_->PumpFor(100ms);
    EXPECT_EQ(ticks, 0);
  }
  {  // work a tick on the clock thread handed over
    TThreadedTimer timer;
    timer.SetSyncEvent(false);
    timer.SetInterval(5);
    std::atomic<int> handedOver = 0, ran = 0;
    timer.SetOnTimer([&](TThreadedTimer&) {
      ++handedOver;
      TThreadedTimer::RunInMainThread([&] { ++ran; });
    });
    ASSERT_TRUE(WaitFor([&] { return main_->QueuedTasks() > 0; }));
    timer.SetEnabled(false);
    main_->PumpFor(100ms);
    EXPECT_EQ(handedOver, 1);
    EXPECT_EQ(ran, 0);
  }
}

// A std::thread is never really suspended, so a parked wait must remember
// its end by itself. Restarting the wait instead would tick no earlier than
// a whole interval after the resume, which is what both bounds rule out.
TEST_F(ThreadedTimerTest, AWaitKeepsItsEndAcrossAParkAndResume) {
  for (const auto held : {400ms, 1200ms}) {
    SCOPED_TRACE(held.count());
    TThreadedTimer timer;
    timer.SetInterval(1000);
    std::vector<Clock::time_point> at;
    const auto started = Clock::now();
    timer.SetOnTimer([&](TThreadedTimer&) { at.push_back(Clock::now()); });
    timer.SetEnabled(false);
    std::this_thread::sleep_for(held);
    const auto resumed = Clock::now();
    timer.SetEnabled(true);
    ASSERT_TRUE(main_->PumpUntil([&] { return !at.empty(); }));
    EXPECT_GE(at.front() - started, 1000ms);
    EXPECT_LT(at.front() - resumed, 900ms);
  }
}

TEST_F(ThreadedTimerTest, WithoutADispatcherTheClockSaysSoOnceOnTheMainThread) {
  gif::InstallMainThreadDispatcher(nullptr);
  TThreadedTimer timer;
  timer.SetInterval(5);
  std::atomic<int> ticks = 0;
  timer.SetOnTimer([&](TThreadedTimer&) { ++ticks; });
  std::this_thread::sleep_for(50ms);
  timer.SetEnabled(false);
  timer.SetEnabled(true);
  EXPECT_EQ(errors_, (std::vector<std::string>{"The clock cannot reach the main thread: no dispatcher is installed"}));
  EXPECT_EQ(ticks, 0);
}

TEST_F(ThreadedTimerTest, TheClockThreadTakesALowerPriority) {
  TThreadedTimer timer;
  timer.SetSyncEvent(false);
  timer.SetThreadPriority(gif::TThreadPriority::tpLowest);
  timer.SetInterval(10);
  std::atomic<int> nice = 0;
  std::atomic<bool> ticked = false;
  timer.SetOnTimer([&](TThreadedTimer&) {
    nice = ::getpriority(PRIO_PROCESS, static_cast<id_t>(::syscall(SYS_gettid)));
    ticked = true;
  });
  ASSERT_TRUE(WaitFor([&] { return ticked.load(); }));
  EXPECT_GE(nice, 10);  // a process already niced further keeps its own
}

TEST_F(ThreadedTimerTest, MainThreadTimerMode) {
  TThreadedTimer timer;
  timer.SetThreaded(false);
  timer.SetInterval(40);
  int ticks = 0;
  timer.SetOnTimer([&](TThreadedTimer&) { ++ticks; });
  ASSERT_EQ(main_->timers_.size(), 1u);
  EXPECT_EQ(main_->timers_.front()->intervalMs, 40u);
  main_->timers_.front()->onTick();
  EXPECT_EQ(ticks, 1);
  main_->PumpFor(100ms);
  EXPECT_EQ(ticks, 1);  // the clock thread stays parked

  timer.SetEnabled(false);
  EXPECT_TRUE(main_->timers_.empty());

  main_->timersAvailable = false;
  try {
    timer.SetEnabled(true);
    FAIL();
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "Not enough timers available");
  }
}

}  // namespace
