#pragma once
#include <QApplication>
#include <QElapsedTimer>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <utility>

namespace testsupport {

// One application object for a whole test program, on Qt's offscreen
// platform unless the environment names another. It is made before the
// first test and goes in the tear-down, before Qt's own globals do at exit.
// `started` runs once the application exists (a style to install, say).
template <typename Application = QApplication>
class TQtTestEnvironment : public ::testing::Environment {
 public:
  explicit TQtTestEnvironment(std::function<void()> started = {}) : started_(std::move(started)) {}

  void SetUp() override {
    // Dates in the C locale's short form (M/d/yyyy), whatever the machine has.
    ::setenv("LC_ALL", "C", 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "tarvik_tests";
    static char* argv[] = {name, nullptr};
    application_ = std::make_unique<Application>(argc, argv);
    if (started_) started_();
  }
  void TearDown() override { application_.reset(); }

 private:
  std::function<void()> started_;
  std::unique_ptr<Application> application_;
};

// Runs the event loop until `done` holds; false when `limit_ms` passed first.
inline bool PumpUntil(const std::function<bool()>& done, int limit_ms = 10000) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > limit_ms) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

}  // namespace testsupport
