#pragma once
#include <openssl/bio.h>
#include <openssl/evp.h>

#include <memory>

namespace update {

// OpenSSL objects owned the C++ way, each freed by its own function.
template <auto Free>
struct OpenSslFree {
  template <typename T>
  void operator()(T* object) const {
    Free(object);
  }
};

using EvpPkeyPtr = std::unique_ptr<EVP_PKEY, OpenSslFree<EVP_PKEY_free>>;
using EvpPkeyCtxPtr = std::unique_ptr<EVP_PKEY_CTX, OpenSslFree<EVP_PKEY_CTX_free>>;
using EvpMdCtxPtr = std::unique_ptr<EVP_MD_CTX, OpenSslFree<EVP_MD_CTX_free>>;
using BioPtr = std::unique_ptr<BIO, OpenSslFree<BIO_free_all>>;

}  // namespace update
