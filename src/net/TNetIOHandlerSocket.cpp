#include "net/TNetIOHandlerSocket.h"

#include <optional>

#include "net/ENetTransportExceptions.h"
#include "net/TNetAntiFreeze.h"
#include "net/TNetConnectWait.h"
#include "net/TNetErrorCodes.h"

namespace {

// A connect that needs no watching resolves in place; a guarded one asks on
// a thread of its own, because the platform's lookup can neither be given a
// time limit nor be cancelled, and a slow resolver must not freeze the window
// or keep a closing program waiting.
std::string ResolveHost(const TNetHostLookupFunction& look_up, const std::string& host,
                        const TNetConnectWait* wait) {
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

void GuardedConnect(TNetSocketHandle& binding, const TNetConnectWait& wait) {
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

int TNetIOHandlerSocket::ConnectTimeout(const TNetConnectTarget& target) {
  if (target.Timeout != -1 && target.Timeout != 0) return target.Timeout;
  return TNetAntiFreezeBase::InUse() ? kAntiFreezeConnectTimeout : 0;
}

void TNetIOHandlerSocket::Open() {
  if (!binding_)
    binding_ = std::make_unique<TNetSocketHandle>(Stack());
  else
    binding_->Reset();
}

void TNetIOHandlerSocket::ConnectClient(const TNetConnectTarget& target) {
  if (!binding_) Open();
  TNetStack& stack = Stack();
  binding_->AllocateSocket();
  binding_->IP = target.BoundIP;
  binding_->Port = target.BoundPort;
  binding_->ClientPortMin = target.BoundPortMin;
  binding_->ClientPortMax = target.BoundPortMax;
  binding_->Bind();

  const int timeout = ConnectTimeout(target);
  std::optional<TNetConnectWait> wait;
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
         Stack().WaitReadable(binding_->Handle(), timeout_ms);
}

std::ptrdiff_t TNetIOHandlerSocket::Recv(char* data, std::size_t count) {
  return Stack().Receive(binding_->Handle(), data, count);
}

std::ptrdiff_t TNetIOHandlerSocket::Send(const char* data, std::size_t count) {
  return Stack().Send(binding_->Handle(), data, count);
}

int TNetIOHandlerSocket::LastError() const {
  return Stack().LastError();
}
