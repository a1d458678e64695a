#include "net/TNetSocketHandle.h"

#include "net/ENetTransportExceptions.h"
#include "net/TNetErrorCodes.h"

namespace {
constexpr int kAddressInUse = 10048;
}  // namespace

void TNetSocketHandle::Reset() {
  CloseSocket();
  IP.clear();
  Port = 0;
  PeerIP.clear();
  PeerPort = 0;
}

void TNetSocketHandle::AllocateSocket() {
  CloseSocket();
  fd_ = stack_.NewSocket();
  if (fd_ < 0) throw ENetInvalidSocket();
}

void TNetSocketHandle::Bind() {
  const bool with_range =
      Port == 0 && ClientPortMin != 0 && ClientPortMax != 0;
  if (!with_range) {
    // Any address and any port is what connect picks by itself; binding
    // first would take a port without regard to the peer and run through
    // the ephemeral range faster.
    if (IP.empty() && Port == 0) return;
    if (stack_.Bind(fd_, IP, Port) == 0) return;
    const int code = stack_.LastError();
    if (code == kAddressInUse) throw ENetCouldNotBindSocket();
    RaiseNetSocketError(code);
  }
  if (ClientPortMax < ClientPortMin)
    throw ENetInvalidPortRange(ClientPortMin, ClientPortMax);
  for (int port = ClientPortMax; port >= ClientPortMin; --port) {
    if (stack_.Bind(fd_, IP, port) == 0) {
      Port = port;
      return;
    }
  }
  throw ENetCanNotBindPortInRange(ClientPortMin, ClientPortMax);
}

void TNetSocketHandle::Connect() {
  if (stack_.Connect(fd_, PeerIP, PeerPort) < 0)
    RaiseNetSocketError(stack_.LastError());
}

void TNetSocketHandle::StartGuardedConnect() {
  if (stack_.SetBlocking(fd_, false) < 0) RaiseNetSocketError(stack_.LastError());
  connecting_ = std::make_unique<TNetConnectThread>(stack_, fd_, PeerIP, PeerPort);
}

bool TNetSocketHandle::WaitGuardedConnect(int timeout_ms) {
  return !connecting_ || connecting_->WaitFinished(timeout_ms);
}

std::string TNetSocketHandle::FinishGuardedConnect() {
  if (!connecting_) return {};
  const std::string message = connecting_->ErrorMessage();
  connecting_.reset();
  if (message.empty() && fd_ >= 0 && stack_.SetBlocking(fd_, true) < 0)
    return NetSocketErrorMessage(stack_.LastError());
  return message;
}

void TNetSocketHandle::CloseSocket() {
  connecting_.reset();
  if (fd_ < 0) return;
  stack_.ShutdownSending(fd_);
  stack_.Close(fd_);
  fd_ = -1;
}

void TNetSocketHandle::UpdateBindingLocal() {
  if (fd_ >= 0) stack_.LocalAddress(fd_, IP, Port);
}
