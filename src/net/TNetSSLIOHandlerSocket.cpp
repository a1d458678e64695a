#include "net/TNetSSLIOHandlerSocket.h"

#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509_vfy.h>
#include <openssl/x509v3.h>

#include <algorithm>
#include <chrono>

#include "net/ENetSSLExceptions.h"
#include "net/ENetTransportExceptions.h"
#include "net/TNetConnectWait.h"
#include "net/TNetErrorCodes.h"
#include "net/TNetSSLErrors.h"

namespace {

// Names the failure of a certificate check the way a user can act on it.
[[noreturn]] void RaiseCertificateFailure(long result, const std::string& host) {
  const std::string certificate = "The certificate of " + host;
  switch (result) {
    case X509_V_ERR_CERT_HAS_EXPIRED:
      throw ENetSSLCertificateExpired(certificate + " has expired.");
    case X509_V_ERR_CERT_NOT_YET_VALID:
      throw ENetSSLCertificateExpired(certificate + " is not valid yet.");
    case X509_V_ERR_HOSTNAME_MISMATCH:
    case X509_V_ERR_IP_ADDRESS_MISMATCH:
      throw ENetSSLWrongHost(certificate + " is made out for another host.");
    default:
      throw ENetSSLUntrustedCertificate(certificate + " is not trusted: " +
                                        X509_verify_cert_error_string(result) + ".");
  }
}

// The time a wait that began at `start` may still take; kWaitForever stays.
int TimeLeft(int timeout_ms, std::chrono::steady_clock::time_point start) {
  if (timeout_ms == TNetStack::kWaitForever) return timeout_ms;
  const auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(
                         std::chrono::steady_clock::now() - start)
                         .count();
  return static_cast<int>(std::max<long long>(timeout_ms - spent, 0));
}

}  // namespace

void TNetSSLIOHandlerSocket::Free::operator()(SSL* ssl) const { SSL_free(ssl); }

TNetSSLIOHandlerSocket::TNetSSLIOHandlerSocket(std::shared_ptr<const TNetSSLContext> context)
    : context_(std::move(context)) {}

TNetSSLIOHandlerSocket::~TNetSSLIOHandlerSocket() { Close(); }

void TNetSSLIOHandlerSocket::ConnectClient(const TNetConnectTarget& target) {
  TNetIOHandlerSocket::ConnectClient(target);
  StartSession(target.Host);
  const int timeout = ConnectTimeout(target);
  const TNetConnectWait wait(timeout == 0 ? TNetStack::kWaitForever : timeout);
  if (!wait.Until([this](int ms) { return HandshakeStep(ms); }))
    throw ENetSSLHandshakeFailed("TLS handshake with " + host_ + " timed out.");
}

void TNetSSLIOHandlerSocket::StartSession(const std::string& host) {
  if (!context_) context_ = std::make_shared<const TNetSSLContext>();
  host_ = host;
  handshake_done_ = false;
  failed_ = false;
  socket_ = TNetSSLSocket{&Stack(), Binding()->Handle()};
  // Waits are the connection's business: the session only ever asks to be
  // called again, so a partial record cannot block a read beyond its limit.
  if (Stack().SetBlocking(socket_.Handle, false) < 0) RaiseNetSocketError(Stack().LastError());
  ssl_.reset(SSL_new(context_->Get()));
  BIO* bio = ssl_ ? NewSSLSocketBIO(socket_) : nullptr;
  if (!bio) throw ENetSSLException("TLS is not available: " + SSLErrorReason());
  SSL_set_bio(ssl_.get(), bio, bio);
  SSL_set_hostflags(ssl_.get(), X509_CHECK_FLAG_NO_PARTIAL_WILDCARDS);
  // An address is checked against the addresses of the certificate; a name
  // is also sent, so that a server with several sites shows the right one.
  const bool named = TNetStack::IsIPv4Literal(host)
                         ? X509_VERIFY_PARAM_set1_ip_asc(SSL_get0_param(ssl_.get()), host.c_str()) == 1
                         : SSL_set_tlsext_host_name(ssl_.get(), host.c_str()) == 1 &&
                               SSL_set1_host(ssl_.get(), host.c_str()) == 1;
  if (!named) throw ENetSSLHandshakeFailed("TLS handshake with " + host + " failed: " + SSLErrorReason() + ".");
  SSL_set_connect_state(ssl_.get());
}

bool TNetSSLIOHandlerSocket::HandshakeStep(int timeout_ms) {
  const auto start = std::chrono::steady_clock::now();
  for (;;) {
    // A window handler run between steps may have closed the connection.
    if (!ssl_) throw ENetConnClosedGracefully();
    ERR_clear_error();
    const int result = SSL_do_handshake(ssl_.get());
    if (result == 1) return handshake_done_ = true;
    const int error = SSL_get_error(ssl_.get(), result);
    if (error != SSL_ERROR_WANT_READ && error != SSL_ERROR_WANT_WRITE) RaiseHandshakeFailure(error);
    if (!WaitForSocket(error, TimeLeft(timeout_ms, start))) return false;
  }
}

void TNetSSLIOHandlerSocket::RaiseHandshakeFailure(int error) {
  failed_ = true;
  const long verified = SSL_get_verify_result(ssl_.get());
  if (verified != X509_V_OK) {
    ERR_clear_error();
    RaiseCertificateFailure(verified, host_);
  }
  std::string reason;
  if (error == SSL_ERROR_SSL)
    reason = SSLErrorReason();
  else if (socket_.AtEnd)
    reason = "the server closed the connection";
  else
    reason = NetErrorText(socket_.LastError);
  ERR_clear_error();
  if (reason.empty()) reason = "socket error";
  if (reason.back() == '.') reason.pop_back();
  throw ENetSSLHandshakeFailed("TLS handshake with " + host_ + " failed: " + reason + ".");
}

bool TNetSSLIOHandlerSocket::WaitForSocket(int error, int timeout_ms) {
  return error == SSL_ERROR_WANT_WRITE ? Stack().WaitWritable(socket_.Handle, timeout_ms)
                                       : Stack().WaitReadable(socket_.Handle, timeout_ms);
}

void TNetSSLIOHandlerSocket::Close() {
  if (ssl_) {
    // The goodbye tells the server the connection ended on purpose; it is
    // sent once and not waited for.
    if (handshake_done_ && !failed_) SSL_shutdown(ssl_.get());
    ssl_.reset();
    handshake_done_ = false;
    ERR_clear_error();
  }
  TNetIOHandlerSocket::Close();
}

bool TNetSSLIOHandlerSocket::Connected() const {
  return handshake_done_ && TNetIOHandlerSocket::Connected();
}

bool TNetSSLIOHandlerSocket::Readable(int timeout_ms) {
  if (!Connected()) return false;
  // Readable bytes on the socket may be no more than part of a record, or a
  // record that carries no data (a session ticket): only a record that
  // gives data, or the end of the session, counts.
  const auto start = std::chrono::steady_clock::now();
  for (;;) {
    if (SSL_pending(ssl_.get()) > 0) return true;
    ERR_clear_error();
    char byte = 0;
    std::size_t peeked = 0;
    const int result = SSL_peek_ex(ssl_.get(), &byte, 1, &peeked);
    if (result == 1) return true;
    const int error = SSL_get_error(ssl_.get(), result);
    // A close or a failure: the receive that follows reports it.
    if (error != SSL_ERROR_WANT_READ && error != SSL_ERROR_WANT_WRITE) return true;
    if (!WaitForSocket(error, TimeLeft(timeout_ms, start))) return false;
  }
}

std::ptrdiff_t TNetSSLIOHandlerSocket::Recv(char* data, std::size_t count) {
  // Records already decrypted or read ahead fill as much of the buffer as
  // they can; the socket is waited for only while nothing has arrived.
  std::size_t total = 0;
  while (total < count) {
    ERR_clear_error();
    std::size_t read = 0;
    const int result = SSL_read_ex(ssl_.get(), data + total, count - total, &read);
    if (result == 1) {
      total += read;
      continue;
    }
    const int error = SSL_get_error(ssl_.get(), result);
    // Whatever ended this round shows again on the next call.
    if (total > 0) break;
    if (error == SSL_ERROR_WANT_READ || error == SSL_ERROR_WANT_WRITE) {
      WaitForSocket(error, TNetStack::kWaitForever);
      continue;
    }
    return SessionEnded(error);
  }
  return static_cast<std::ptrdiff_t>(total);
}

std::ptrdiff_t TNetSSLIOHandlerSocket::Send(const char* data, std::size_t count) {
  for (;;) {
    ERR_clear_error();
    std::size_t written = 0;
    const int result = SSL_write_ex(ssl_.get(), data, count, &written);
    if (result == 1) return static_cast<std::ptrdiff_t>(written);
    const int error = SSL_get_error(ssl_.get(), result);
    if (error == SSL_ERROR_WANT_READ || error == SSL_ERROR_WANT_WRITE) {
      WaitForSocket(error, TNetStack::kWaitForever);
      continue;
    }
    return SessionEnded(error);
  }
}

std::ptrdiff_t TNetSSLIOHandlerSocket::SessionEnded(int error) {
  if (error == SSL_ERROR_ZERO_RETURN) return 0;
  failed_ = true;
  if (error == SSL_ERROR_SYSCALL) {
    if (socket_.AtEnd) return 0;
    return -1;
  }
  throw ENetSSLException("TLS connection with " + host_ + " failed: " + SSLErrorReason() + ".");
}

int TNetSSLIOHandlerSocket::LastError() const { return socket_.LastError; }
