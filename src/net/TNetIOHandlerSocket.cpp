#include "net/TNetIOHandlerSocket.h"

#include <algorithm>

#include "net/ENetTransportExceptions.h"
#include "net/TNetAntiFreeze.h"
#include "net/TNetErrorCodes.h"

namespace {
constexpr int kConnectStep = 125;
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

  if (!TNetStack::IsIPv4Literal(target.Host))
    Report(hsResolving, "Resolving hostname " + target.Host + ".");
  binding_->PeerIP = stack.ResolveHost(target.Host);
  binding_->PeerPort = target.Port;
  if (!UseNagle && stack.SetNoDelay(binding_->Handle()) < 0)
    RaiseNetSocketError(stack.LastError());

  Report(hsConnecting, "Connecting to " + binding_->PeerIP + ".");
  if (target.Timeout != -1 && target.Timeout != 0)
    GuardedConnect(target.Timeout);
  else if (TNetAntiFreeze::InUse())
    GuardedConnect(kAntiFreezeConnectTimeout);
  else
    binding_->Connect();
  binding_->UpdateBindingLocal();
}

void TNetIOHandlerSocket::GuardedConnect(int timeout_ms) {
  const bool unlimited = timeout_ms == TNetStack::kWaitForever;
  const TNetAntiFreeze* anti_freeze = TNetAntiFreeze::InUse();
  const int step = anti_freeze ? std::min(anti_freeze->IdleTimeOut, kConnectStep)
                               : kConnectStep;
  binding_->StartGuardedConnect();
  int remaining = unlimited ? step + 1 : timeout_ms;
  while (remaining > step) {
    if (binding_->WaitGuardedConnect(step)) {
      remaining = 0;
      break;
    }
    TNetAntiFreeze::DoProcess(true);
    if (TNetAntiFreeze::CallsAborted()) {
      binding_->CloseSocket();
      throw ENetOperationAborted();
    }
    if (!unlimited) remaining -= step;
  }
  if (!binding_->WaitGuardedConnect(std::max(remaining, 0))) {
    binding_->CloseSocket();
    throw ENetConnectTimeout();
  }
  const std::string message = binding_->FinishGuardedConnect();
  if (!message.empty()) throw ENetConnectException(message);
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
