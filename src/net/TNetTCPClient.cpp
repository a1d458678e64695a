#include "net/TNetTCPClient.h"

void TNetTCPClient::OpenConnection(int timeout_ms) {
  TNetConnectTarget target;
  target.Host = Host;
  target.Port = Port;
  target.BoundIP = BoundIP;
  target.BoundPort = BoundPort;
  target.BoundPortMin = BoundPortMin;
  target.BoundPortMax = BoundPortMax;
  target.Timeout = timeout_ms;
  OpenHandler(target);
}
