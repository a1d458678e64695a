#pragma once
#include <atomic>
#include <functional>

// How much of the window system's queue one call handles.
enum class TNetPendingMessages { All, One };

// Keeps the window responsive while the GUI thread blocks in the network:
// every wait is cut into slices, and between them the instance in use
// handles pending window messages. The most recently created instance is the
// one in use; destroying it leaves none in use. How messages are handled is
// up to the derived class, so the network core knows nothing of windows.
class TNetAntiFreezeBase {
 public:
  virtual ~TNetAntiFreezeBase();
  TNetAntiFreezeBase(const TNetAntiFreezeBase&) = delete;
  TNetAntiFreezeBase& operator=(const TNetAntiFreezeBase&) = delete;

  bool Active = true;
  bool ApplicationHasPriority = true;  // all pending messages, not just one
  int IdleTimeOut = 250;               // ms of one waiting slice
  bool OnlyWhenIdle = true;

  // The instance in use for the calling thread: one exists, it is Active and
  // the caller is the process's main thread. Otherwise none.
  static TNetAntiFreezeBase* InUse();

  // Handles pending messages when an instance is in use and either it does
  // not wait for idleness or `idle` says nothing arrived.
  static void DoProcess(bool idle);

  // For the window system's close path: every network call waiting inside
  // the anti-freeze ends with ENetOperationAborted as soon as the message
  // handling returns, its socket closed, and new calls fail the same way, so
  // the program can leave its message loop and exit.
  void AbortPendingCalls() { aborting_ = true; }
  // True when the instance in use was asked to abort.
  static bool CallsAborted();

 protected:
  TNetAntiFreezeBase();
  // May run any window handler, even one that destroys this instance, so an
  // override touches nothing of it once the messages are handled.
  virtual void Process(TNetPendingMessages amount) = 0;

 private:
  std::atomic<bool> aborting_ = false;
};

// Handles pending window messages; the window system layer installs it (the
// Qt layer installs QCoreApplication::processEvents).
using TNetProcessMessagesHook = std::function<void(TNetPendingMessages)>;

// The anti-freeze of the program's windows: handles messages through the
// one process-wide hook the window system layer installed.
class TNetAntiFreeze : public TNetAntiFreezeBase {
 public:
  TNetAntiFreeze() = default;

  static void SetProcessMessagesHook(TNetProcessMessagesHook hook);

 protected:
  void Process(TNetPendingMessages amount) override;
};
