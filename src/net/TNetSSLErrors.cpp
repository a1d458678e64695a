#include "net/TNetSSLErrors.h"

#include <openssl/err.h>

std::string SSLErrorReason() {
  const unsigned long error = ERR_peek_last_error();
  ERR_clear_error();
  const char* reason = error != 0 ? ERR_reason_error_string(error) : nullptr;
  return reason ? reason : "unknown error";
}
