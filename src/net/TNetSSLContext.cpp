#include "net/TNetSSLContext.h"

#include <openssl/err.h>
#include <openssl/ssl.h>

#include "net/ENetSSLExceptions.h"
#include "net/TNetSSLErrors.h"

namespace {

// OpenSSL reads records into a buffer of this size when it may read ahead:
// several records per receive instead of two reads (head, then body) for
// every record of a large download.
constexpr std::size_t kReadAheadBuffer = 128 * 1024;

}  // namespace

void TNetSSLContext::Free::operator()(SSL_CTX* context) const { SSL_CTX_free(context); }

TNetSSLContext::TNetSSLContext() : context_(SSL_CTX_new(TLS_client_method())) {
  if (!context_ || SSL_CTX_set_min_proto_version(context_.get(), TLS1_2_VERSION) != 1 ||
      SSL_CTX_set_default_verify_paths(context_.get()) != 1)
    throw ENetSSLException("TLS is not available: " + SSLErrorReason());
  SSL_CTX_set_verify(context_.get(), SSL_VERIFY_PEER, nullptr);
  // A server that closes without saying goodbye in TLS ends the connection
  // as a plain close would: a body without a length still ends there, and a
  // body shorter than announced is short, as over plain TCP.
  SSL_CTX_set_options(context_.get(), SSL_OP_IGNORE_UNEXPECTED_EOF);
  SSL_CTX_set_read_ahead(context_.get(), 1);
  SSL_CTX_set_default_read_buffer_len(context_.get(), kReadAheadBuffer);
}
