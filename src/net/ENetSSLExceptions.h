#pragma once
#include <string>

#include "net/ENetExceptions.h"

// Failures of TLS connections. The classes tell callers what failed; the
// message tells the user, naming the host.

// TLS could not be set up at all, or a connection failed after its
// handshake (a corrupt record, a protocol error).
class ENetSSLException : public ENetException {
 public:
  using ENetException::ENetException;
};

// The handshake itself failed: no common protocol or cipher, a server that
// speaks no TLS, a connection that ended or timed out halfway.
class ENetSSLHandshakeFailed : public ENetSSLException {
 public:
  using ENetSSLException::ENetSSLException;
};

// The server's certificate does not lead to an authority of the CA store,
// or the chain is broken (a bad signature, a revoked or unusable
// certificate).
class ENetSSLUntrustedCertificate : public ENetSSLException {
 public:
  using ENetSSLException::ENetSSLException;
};

// A certificate of the chain is outside its period of validity: expired, or
// not valid yet.
class ENetSSLCertificateExpired : public ENetSSLException {
 public:
  using ENetSSLException::ENetSSLException;
};

// The certificate is sound but made out for another host.
class ENetSSLWrongHost : public ENetSSLException {
 public:
  using ENetSSLException::ENetSSLException;
};
