#include "net/TNetAntiFreeze.h"

#include <sys/syscall.h>
#include <unistd.h>

#include <mutex>

namespace {

std::mutex& HookMutex() {
  static std::mutex mutex;
  return mutex;
}

TNetProcessMessagesHook& Hook() {
  static TNetProcessMessagesHook hook;
  return hook;
}

std::atomic<TNetAntiFreeze*> current{nullptr};

bool OnMainThread() { return ::syscall(SYS_gettid) == ::getpid(); }

}  // namespace

TNetAntiFreeze::TNetAntiFreeze() { current = this; }

TNetAntiFreeze::~TNetAntiFreeze() {
  TNetAntiFreeze* self = this;
  current.compare_exchange_strong(self, nullptr);
}

void TNetAntiFreeze::SetProcessMessagesHook(TNetProcessMessagesHook hook) {
  std::lock_guard lock(HookMutex());
  Hook() = std::move(hook);
}

TNetAntiFreeze* TNetAntiFreeze::InUse() {
  TNetAntiFreeze* instance = current;
  if (!instance || !instance->Active || !OnMainThread()) return nullptr;
  return instance;
}

void TNetAntiFreeze::DoProcess(bool idle) {
  const TNetAntiFreeze* instance = InUse();
  if (!instance || (instance->OnlyWhenIdle && !idle)) return;
  const TNetPendingMessages amount = instance->ApplicationHasPriority
                                         ? TNetPendingMessages::All
                                         : TNetPendingMessages::One;
  TNetProcessMessagesHook hook;
  {
    std::lock_guard lock(HookMutex());
    hook = Hook();
  }
  // The hook may run any window handler, even one that destroys this
  // instance, so nothing of it is touched afterwards.
  if (hook) hook(amount);
}

bool TNetAntiFreeze::CallsAborted() {
  const TNetAntiFreeze* instance = current;
  return instance && instance->aborting_;
}
