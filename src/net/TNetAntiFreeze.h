#pragma once
#include <atomic>
#include <functional>

// How much of the window system's queue one call handles.
enum class TNetPendingMessages { All, One };

// Handles pending window messages; the window system layer installs it (the
// Qt layer installs QCoreApplication::processEvents). The network core knows
// nothing of windows beyond this.
using TNetProcessMessagesHook = std::function<void(TNetPendingMessages)>;

// Keeps the window responsive while the GUI thread blocks in the network:
// every wait is cut into slices, and between them pending window messages are
// handled through the installed hook. The most recently created instance is
// the one in use; destroying it leaves none in use.
class TNetAntiFreeze {
 public:
  TNetAntiFreeze();
  ~TNetAntiFreeze();
  TNetAntiFreeze(const TNetAntiFreeze&) = delete;
  TNetAntiFreeze& operator=(const TNetAntiFreeze&) = delete;

  bool Active = true;
  bool ApplicationHasPriority = true;  // all pending messages, not just one
  int IdleTimeOut = 250;               // ms of one waiting slice
  bool OnlyWhenIdle = true;

  static void SetProcessMessagesHook(TNetProcessMessagesHook hook);

  // The instance in use for the calling thread: one exists, it is Active and
  // the caller is the process's main thread. Otherwise none.
  static TNetAntiFreeze* InUse();

  // Handles pending messages when an instance is in use and either it does
  // not wait for idleness or `idle` says nothing arrived.
  static void DoProcess(bool idle);

  // For the window system's close path: every network call waiting inside
  // the anti-freeze ends with ENetOperationAborted as soon as the hook
  // returns, its socket closed, and new calls fail the same way, so the
  // program can leave its message loop and exit.
  void AbortPendingCalls() { aborting_ = true; }
  // True when the instance in use was asked to abort.
  static bool CallsAborted();

 private:
  std::atomic<bool> aborting_ = false;
};
