#pragma once
#include <openssl/types.h>

#include <memory>

// What the TLS connections of one client share: the protocol versions it
// accepts and the certificate authorities it trusts. The system's CA store
// is read when the context is made, from where OpenSSL looks by default or
// where SSL_CERT_FILE and SSL_CERT_DIR point.
class TNetSSLContext {
 public:
  // Raises ENetSSLException when TLS cannot be set up.
  TNetSSLContext();

  SSL_CTX* Get() const { return context_.get(); }

 private:
  struct Free {
    void operator()(SSL_CTX* context) const;
  };
  std::unique_ptr<SSL_CTX, Free> context_;
};
