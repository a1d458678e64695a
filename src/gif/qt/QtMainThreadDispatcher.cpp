#include "gif/qt/QtMainThreadDispatcher.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>
#include <memory>

#include "gif/MainThreadDispatcher.h"

namespace gif::qt {
namespace {

class QtTimer : public MainThreadTimer {
 public:
  QtTimer(unsigned intervalMs, std::function<void()> tick) {
    timer_.setInterval(static_cast<int>(intervalMs));
    QObject::connect(&timer_, &QTimer::timeout, std::move(tick));
    timer_.start();
  }

 private:
  QTimer timer_;
};

class QtDispatcher : public MainThreadDispatcher {
 public:
  void Post(std::function<void()> task) override {
    // Tasks are delivered through the application object, so they are
    // dropped with it at shut-down instead of running into a dead window.
    if (QCoreApplication* app = QCoreApplication::instance())
      QMetaObject::invokeMethod(app, [task = std::move(task)] { task(); }, Qt::QueuedConnection);
  }

  bool IsMainThread() const override {
    const QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
  }

  std::unique_ptr<MainThreadTimer> StartTimer(unsigned intervalMs, std::function<void()> tick) override {
    if (!IsMainThread()) return nullptr;
    return std::make_unique<QtTimer>(intervalMs, std::move(tick));
  }
};

}  // namespace

void InstallQtMainThreadDispatcher() {
  if (!CurrentMainThreadDispatcher()) InstallMainThreadDispatcher(std::make_shared<QtDispatcher>());
}

}  // namespace gif::qt
