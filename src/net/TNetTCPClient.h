#pragma once
#include <string>

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

  // Connects to Host:Port. `timeout_ms` 0 or -1: the anti-freeze's limit
  // when it is in use, else none. Raises on failure, socket closed.
  void OpenConnection(int timeout_ms = 0);
};
