#pragma once
#include <openssl/types.h>

#include <memory>
#include <string>

#include "net/TNetIOHandlerSocket.h"
#include "net/TNetSSLContext.h"
#include "net/TNetSSLSocketBIO.h"

// The I/O handler that speaks TLS over one TCP socket. The connect ends
// with a handshake that sends the host's name and checks the server's
// certificate against the CA store and that name; a failure raises one of
// the ENetSSL... exceptions. Afterwards reads and writes carry plain bytes,
// so the connection above sees no difference from a plain socket.
class TNetSSLIOHandlerSocket : public TNetIOHandlerSocket {
 public:
  // Without a context the handler makes its own at its first connect.
  explicit TNetSSLIOHandlerSocket(std::shared_ptr<const TNetSSLContext> context = nullptr);
  ~TNetSSLIOHandlerSocket() override;

  void ConnectClient(const TNetConnectTarget& target) override;
  void Close() override;
  // Connected once the handshake is complete.
  bool Connected() const override;
  bool Readable(int timeout_ms) override;
  std::ptrdiff_t Recv(char* data, std::size_t count) override;
  std::ptrdiff_t Send(const char* data, std::size_t count) override;
  int LastError() const override;
  bool IsSecure() const override { return true; }

 private:
  struct Free {
    void operator()(SSL* ssl) const;
  };

  void StartSession(const std::string& host);
  // One round of the handshake that waits at most `timeout_ms` for the
  // socket; true when the handshake is complete.
  bool HandshakeStep(int timeout_ms);
  [[noreturn]] void RaiseHandshakeFailure(int error);
  // The outcome of a failed SSL call: -1 with LastError() set for a socket
  // error, 0 for a close; raises for a TLS failure.
  std::ptrdiff_t SessionEnded(int error);
  // Waits for what the session asked for (`error`, SSL_ERROR_WANT_READ or
  // SSL_ERROR_WANT_WRITE); false when `timeout_ms` passed first.
  bool WaitForSocket(int error, int timeout_ms);

  std::shared_ptr<const TNetSSLContext> context_;
  TNetSSLSocket socket_;
  std::unique_ptr<SSL, Free> ssl_;
  std::string host_;
  // Kept here rather than asked of the session, which counts itself as
  // handshaking again while it reads a message of the server's after the
  // handshake (a session ticket).
  bool handshake_done_ = false;
  // After a fatal TLS error no goodbye may be sent.
  bool failed_ = false;
};
