#include "net/TNetTCPClient.h"

#include "net/TNetSSLIOHandlerSocket.h"

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

std::shared_ptr<TNetIOHandler> TNetTCPClient::MakeIOHandler() {
  if (!UseTLS) return TNetTCPConnection::MakeIOHandler();
  if (!ssl_context_) ssl_context_ = std::make_shared<const TNetSSLContext>();
  return std::make_shared<TNetSSLIOHandlerSocket>(ssl_context_);
}
