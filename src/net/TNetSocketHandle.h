#pragma once
#include <memory>
#include <string>

#include "net/TNetConnectThread.h"
#include "net/TNetStack.h"

// One platform socket with the addresses it is bound and connected to.
class TNetSocketHandle {
 public:
  explicit TNetSocketHandle(TNetStack& stack) : stack_(stack) {}
  ~TNetSocketHandle() { CloseSocket(); }
  TNetSocketHandle(const TNetSocketHandle&) = delete;
  TNetSocketHandle& operator=(const TNetSocketHandle&) = delete;

  // Back to the state of a new handle: no socket, addresses cleared.
  void Reset();
  // Throws ENetInvalidSocket "Cannot allocate socket.".
  void AllocateSocket();
  bool HandleAllocated() const { return fd_ >= 0; }
  int Handle() const { return fd_; }

  // Binds to IP and Port, or with Port 0 and both ends of the local port
  // range set, to the first free port from the top of the range down.
  void Bind();
  // A plain blocking connect to PeerIP:PeerPort; raises the socket error.
  void Connect();
  // Starts a connect on its own thread (see TNetConnectThread).
  void StartGuardedConnect();
  // Waits up to `timeout_ms`; true when no guarded connect is running any
  // more (it ended, or the socket was closed meanwhile).
  bool WaitGuardedConnect(int timeout_ms);
  // Ends the guarded connect and gives its error message (empty: success).
  std::string FinishGuardedConnect();

  // Shuts down sending, closes, and ends a guarded connect first, so no
  // other thread still waits on the descriptor when it is reused.
  void CloseSocket();
  void UpdateBindingLocal();

  std::string IP;  // local address, empty for any
  int Port = 0;    // local port, 0 for any
  std::string PeerIP;
  int PeerPort = 0;
  int ClientPortMin = 0;
  int ClientPortMax = 0;

 private:
  TNetStack& stack_;
  int fd_ = -1;
  std::unique_ptr<TNetConnectThread> connecting_;
};
