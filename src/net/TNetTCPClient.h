#pragma once
#include <memory>
#include <string>

#include "net/TNetSSLContext.h"
#include "net/TNetTCPConnection.h"

// A connection that connects out to Host:Port.
class TNetTCPClient : public TNetTCPConnection {
 public:
  std::string Host;
  int Port = 0;
  std::string BoundIP;  // empty: any local address
  int BoundPort = 0;    // 0: any
  int BoundPortMin = 0;  // a local port range, used when BoundPort is 0;
  int BoundPortMax = 0;  // both 0: none
  // A connection the client makes its own handler for speaks TLS to Host,
  // whose certificate it checks; a handler set by the caller is used as it
  // is. Takes effect at the next connect.
  bool UseTLS = false;

  // Connects to Host:Port. `timeout_ms` 0 or -1: the anti-freeze's limit
  // when it is in use, else none. Raises on failure, socket closed.
  void OpenConnection(int timeout_ms = 0);

 protected:
  std::shared_ptr<TNetIOHandler> MakeIOHandler() override;

 private:
  // Made at the first TLS connect and kept, so that the CA store is read
  // once per client.
  std::shared_ptr<const TNetSSLContext> ssl_context_;
};
