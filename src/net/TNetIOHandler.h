#pragma once
#include <cstddef>
#include <string>

#include "net/TNetStatus.h"

// Where and how a client connects.
struct TNetConnectTarget {
  std::string Host;
  int Port = 0;
  std::string BoundIP;  // empty: any local address
  int BoundPort = 0;    // 0: any
  int BoundPortMin = 0;  // a local port range; both 0: none
  int BoundPortMax = 0;
  int Timeout = 0;  // ms; 0 or -1: the anti-freeze's limit, or none
};

// The transport under a connection: a plain socket, or TLS over one. Calls
// that fail return -1 and leave the table code of the failure in
// LastError().
class TNetIOHandler {
 public:
  virtual ~TNetIOHandler() = default;

  // Ready for a new connection: no socket, addresses cleared.
  virtual void Open() = 0;
  // Raises the ENet... errors of binding, resolving and connecting.
  virtual void ConnectClient(const TNetConnectTarget& target) = 0;
  // Shuts down and closes the socket; safe when none is open.
  virtual void Close() = 0;
  // True while a socket is allocated.
  virtual bool Connected() const = 0;

  virtual bool Readable(int timeout_ms) = 0;
  virtual std::ptrdiff_t Recv(char* data, std::size_t count) = 0;
  virtual std::ptrdiff_t Send(const char* data, std::size_t count) = 0;
  virtual int LastError() const = 0;

  // True for a handler that encrypts: cookies marked secure are sent only
  // over such a handler, and https needs one.
  virtual bool IsSecure() const { return false; }

  TNetStatusEvent OnStatus;
};
