#include "net/TNetIOHandlerSocket.h"

#include <algorithm>
#include <chrono>
#include <optional>

#include "net/ENetTransportExceptions.h"
#include "net/TNetAntiFreeze.h"
#include "net/TNetErrorCodes.h"

namespace {

constexpr int kConnectStep = 125;

// The time limit of one connect, its name lookup included, waited out in
// steps with window messages handled between them. The limit is the clock's:
// time spent in window handlers counts too, so that a slow handler cannot
// stretch a connect beyond what the caller asked for.
class TConnectWait {
 public:
  // `timeout_ms` TNetStack::kWaitForever: no limit.
  explicit TConnectWait(int timeout_ms)
      : unlimited_(timeout_ms == TNetStack::kWaitForever),
        deadline_(std::chrono::steady_clock::now() +
                  std::chrono::milliseconds(std::max(timeout_ms, 0))) {
    const TNetAntiFreezeBase* anti_freeze = TNetAntiFreezeBase::InUse();
    step_ = anti_freeze ? std::clamp(anti_freeze->IdleTimeOut, 1, kConnectStep)
                        : kConnectStep;
  }

  // Calls `wait_finished(ms)` until it says true; false when the limit
  // passed first. Raises ENetOperationAborted once the program is closing.
  template <typename Wait>
  bool Until(Wait wait_finished) const {
    for (;;) {
      if (!unlimited_) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(
                              deadline_ - std::chrono::steady_clock::now())
                              .count();
        if (left <= step_) return wait_finished(static_cast<int>(std::max<long long>(left, 0)));
      }
      if (wait_finished(step_)) return true;
      TNetAntiFreezeBase::DoProcess(true);
      if (TNetAntiFreezeBase::CallsAborted()) throw ENetOperationAborted();
    }
  }

 private:
  bool unlimited_;
  std::chrono::steady_clock::time_point deadline_;
  int step_ = kConnectStep;
};

// A connect that needs no watching resolves in place; a guarded one asks on
// a thread of its own, because the platform's lookup can neither be given a
// time limit nor be cancelled, and a slow resolver must not freeze the window
// or keep a closing program waiting.
std::string ResolveHost(const TNetHostLookupFunction& look_up, const std::string& host,
                        const TConnectWait* wait) {
  if (const auto address = TNetStack::AddressWithoutLookup(host)) return *address;
  if (!wait) {
    const auto address = look_up(host);
    if (!address) RaiseNetSocketError(kNetErrorHostNotFound);
    return *address;
  }
  TNetHostLookup lookup(look_up, host);
  if (!wait->Until([&lookup](int ms) { return lookup.WaitFinished(ms); }))
    throw ENetConnectTimeout();
  return lookup.Address();
}

void GuardedConnect(TNetSocketHandle& binding, const TConnectWait& wait) {
  binding.StartGuardedConnect();
  if (!wait.Until([&binding](int ms) { return binding.WaitGuardedConnect(ms); })) {
    binding.CloseSocket();
    throw ENetConnectTimeout();
  }
  const std::string message = binding.FinishGuardedConnect();
  if (!message.empty()) throw ENetConnectException(message);
}

}  // namespace

void TNetIOHandlerSocket::Report(TNetStatus status, const std::string& text) {
  if (OnStatus) OnStatus(status, text);
}

void TNetIOHandlerSocket::Open() {
  if (!binding_)
    binding_ = std::make_unique<TNetSocketHandle>(stack_user_.Stack());
  else
    binding_->Reset();
}

void TNetIOHandlerSocket::ConnectClient(const TNetConnectTarget& target) {
  if (!binding_) Open();
  TNetStack& stack = stack_user_.Stack();
  binding_->AllocateSocket();
  binding_->IP = target.BoundIP;
  binding_->Port = target.BoundPort;
  binding_->ClientPortMin = target.BoundPortMin;
  binding_->ClientPortMax = target.BoundPortMax;
  binding_->Bind();

  int timeout = target.Timeout;
  if (timeout == -1 || timeout == 0)
    timeout = TNetAntiFreezeBase::InUse() ? kAntiFreezeConnectTimeout : 0;
  std::optional<TConnectWait> wait;
  if (timeout != 0) wait.emplace(timeout);

  if (!TNetStack::IsIPv4Literal(target.Host))
    Report(hsResolving, "Resolving hostname " + target.Host + ".");
  binding_->PeerIP = ResolveHost(HostLookup, target.Host, wait ? &*wait : nullptr);
  binding_->PeerPort = target.Port;
  if (!UseNagle && stack.SetNoDelay(binding_->Handle()) < 0)
    RaiseNetSocketError(stack.LastError());

  Report(hsConnecting, "Connecting to " + binding_->PeerIP + ".");
  if (wait)
    GuardedConnect(*binding_, *wait);
  else
    binding_->Connect();
  binding_->UpdateBindingLocal();
}

void TNetIOHandlerSocket::Close() {
  if (binding_) binding_->CloseSocket();
}

bool TNetIOHandlerSocket::Connected() const {
  return binding_ && binding_->HandleAllocated();
}

bool TNetIOHandlerSocket::Readable(int timeout_ms) {
  return Connected() &&
         stack_user_.Stack().WaitReadable(binding_->Handle(), timeout_ms);
}

std::ptrdiff_t TNetIOHandlerSocket::Recv(char* data, std::size_t count) {
  return stack_user_.Stack().Receive(binding_->Handle(), data, count);
}

std::ptrdiff_t TNetIOHandlerSocket::Send(const char* data, std::size_t count) {
  return stack_user_.Stack().Send(binding_->Handle(), data, count);
}

int TNetIOHandlerSocket::LastError() const {
  return stack_user_.Stack().LastError();
}
