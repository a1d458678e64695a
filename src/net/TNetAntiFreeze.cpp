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

std::atomic<TNetAntiFreezeBase*> current{nullptr};

bool OnMainThread() { return ::syscall(SYS_gettid) == ::getpid(); }

}  // namespace

TNetAntiFreezeBase::TNetAntiFreezeBase() { current = this; }

TNetAntiFreezeBase::~TNetAntiFreezeBase() {
  TNetAntiFreezeBase* self = this;
  current.compare_exchange_strong(self, nullptr);
}

TNetAntiFreezeBase* TNetAntiFreezeBase::InUse() {
  TNetAntiFreezeBase* instance = current;
  if (!instance || !instance->Active || !OnMainThread()) return nullptr;
  return instance;
}

void TNetAntiFreezeBase::DoProcess(bool idle) {
  TNetAntiFreezeBase* instance = InUse();
  if (!instance || (instance->OnlyWhenIdle && !idle)) return;
  instance->Process(instance->ApplicationHasPriority ? TNetPendingMessages::All
                                                     : TNetPendingMessages::One);
}

bool TNetAntiFreezeBase::CallsAborted() {
  const TNetAntiFreezeBase* instance = current;
  return instance && instance->aborting_;
}

void TNetAntiFreeze::SetProcessMessagesHook(TNetProcessMessagesHook hook) {
  std::lock_guard lock(HookMutex());
  Hook() = std::move(hook);
}

void TNetAntiFreeze::Process(TNetPendingMessages amount) {
  TNetProcessMessagesHook hook;
  {
    std::lock_guard lock(HookMutex());
    hook = Hook();
  }
  if (hook) hook(amount);
}
