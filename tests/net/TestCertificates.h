#pragma once
#include <openssl/types.h>

#include <memory>
#include <string>
#include <vector>

// A certificate authority made for one test, and the server certificates
// it signs. Throws std::runtime_error when OpenSSL cannot make them.
class TestCertificateAuthority {
 public:
  explicit TestCertificateAuthority(const std::string& name = "Tarvik Test CA");
  ~TestCertificateAuthority();

  // The authority's own certificate as PEM, for SSL_CERT_FILE.
  void WriteCertificate(const std::string& path) const;
  // A server certificate for `names` (host names or IPv4 addresses) and
  // its key, as PEM files. It became valid two days ago and stays valid
  // for `valid_days` from now (a negative number: it has expired).
  void IssueServerCertificate(const std::vector<std::string>& names,
                              const std::string& certificate_path,
                              const std::string& key_path, int valid_days = 30) const;

 private:
  struct FreeKey {
    void operator()(EVP_PKEY* key) const;
  };
  struct FreeCertificate {
    void operator()(X509* certificate) const;
  };
  std::unique_ptr<EVP_PKEY, FreeKey> key_;
  std::unique_ptr<X509, FreeCertificate> certificate_;
};
