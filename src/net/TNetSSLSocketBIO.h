#pragma once
#include <openssl/types.h>

class TNetStack;

// The socket a TLS session reads and writes through, and what its last
// call left behind.
struct TNetSSLSocket {
  TNetStack* Stack = nullptr;
  int Handle = -1;
  int LastError = 0;   // table code of the last failed call
  bool AtEnd = false;  // the peer closed its side
};

// An OpenSSL BIO over `socket` (which must outlive it), so that TLS goes
// through the socket layer's own calls: never a SIGPIPE from a closed peer,
// interrupted calls resumed, errors in the table's codes. A socket in
// non-blocking mode makes the session ask to be retried instead of waiting.
// Nullptr when OpenSSL has no memory left.
BIO* NewSSLSocketBIO(TNetSSLSocket& socket);
