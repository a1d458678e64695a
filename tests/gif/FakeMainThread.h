#pragma once
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "gif/MainThreadDispatcher.h"

namespace gif_test {

// The test's own thread plays the main thread: posted tasks wait in a queue
// until the test pumps them, and main-thread timers tick when the test says.
class FakeMainThread : public gif::MainThreadDispatcher {
 public:
  struct Timer : gif::MainThreadTimer {
    Timer(FakeMainThread& owner, unsigned interval, std::function<void()> tick)
        : owner_(owner), intervalMs(interval), onTick(std::move(tick)) {
      owner_.timers_.push_back(this);
    }
    ~Timer() override { std::erase(owner_.timers_, this); }
    FakeMainThread& owner_;
    unsigned intervalMs;
    std::function<void()> onTick;
  };

  void Post(std::function<void()> task) override {
    {
      std::lock_guard lock(mutex_);
      tasks_.push_back(std::move(task));
    }
    posted_.notify_all();
  }
  bool IsMainThread() const override { return std::this_thread::get_id() == mainThread_; }
  std::unique_ptr<gif::MainThreadTimer> StartTimer(unsigned intervalMs, std::function<void()> tick) override {
    if (!timersAvailable) return nullptr;
    return std::make_unique<Timer>(*this, intervalMs, std::move(tick));
  }

  // Runs posted tasks until `done` holds or `limit` has passed; true when done.
  bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = std::chrono::seconds(10)) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
      std::function<void()> task;
      {
        std::unique_lock lock(mutex_);
        if (!posted_.wait_until(lock, deadline, [&] { return !tasks_.empty(); })) return done();
        task = std::move(tasks_.front());
        tasks_.pop_front();
      }
      task();
    }
    return true;
  }
  void PumpFor(std::chrono::milliseconds time) {
    PumpUntil([] { return false; }, time);
  }
  std::size_t QueuedTasks() {
    std::lock_guard lock(mutex_);
    return tasks_.size();
  }

  bool timersAvailable = true;
  std::vector<Timer*> timers_;

 private:
  std::thread::id mainThread_ = std::this_thread::get_id();
  std::mutex mutex_;
  std::condition_variable posted_;
  std::deque<std::function<void()>> tasks_;
};

}  // namespace gif_test
