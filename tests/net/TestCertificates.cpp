#include "net/TestCertificates.h"

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

#include <cstdio>
#include <stdexcept>

namespace {

constexpr long kSecondsPerDay = 24 * 60 * 60;

void Check(bool done, const char* what) {
  if (!done) throw std::runtime_error(std::string("test certificate: ") + what);
}

EVP_PKEY* NewKey() {
  EVP_PKEY* key = EVP_EC_gen("P-256");
  Check(key != nullptr, "no key");
  return key;
}

void AddExtension(X509* certificate, X509* issuer, int nid, const std::string& value) {
  X509V3_CTX context;
  X509V3_set_ctx(&context, issuer, certificate, nullptr, nullptr, 0);
  X509_EXTENSION* extension = X509V3_EXT_conf_nid(nullptr, &context, nid, value.c_str());
  Check(extension != nullptr && X509_add_ext(certificate, extension, -1) == 1, "extension");
  X509_EXTENSION_free(extension);
}

X509* NewCertificate(const std::string& common_name, EVP_PKEY* key, long serial,
                     long valid_days) {
  X509* certificate = X509_new();
  Check(certificate != nullptr, "no certificate");
  X509_set_version(certificate, X509_VERSION_3);
  ASN1_INTEGER_set(X509_get_serialNumber(certificate), serial);
  X509_gmtime_adj(X509_getm_notBefore(certificate), -2 * kSecondsPerDay);
  X509_gmtime_adj(X509_getm_notAfter(certificate), valid_days * kSecondsPerDay);
  X509_set_pubkey(certificate, key);
  X509_NAME* name = X509_get_subject_name(certificate);
  X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_UTF8,
                             reinterpret_cast<const unsigned char*>(common_name.c_str()), -1, -1, 0);
  return certificate;
}

void WritePem(const std::string& path, const auto& write) {
  std::FILE* file = std::fopen(path.c_str(), "w");
  Check(file != nullptr, "cannot write");
  const bool written = write(file) == 1;
  std::fclose(file);
  Check(written, "cannot write PEM");
}

bool IsIPv4Address(const std::string& name) {
  return name.find_first_not_of("0123456789.") == std::string::npos;
}

}  // namespace

void TestCertificateAuthority::FreeKey::operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }

void TestCertificateAuthority::FreeCertificate::operator()(X509* certificate) const {
  X509_free(certificate);
}

TestCertificateAuthority::TestCertificateAuthority(const std::string& name) : key_(NewKey()) {
  certificate_.reset(NewCertificate(name, key_.get(), 1, 365));
  X509* ca = certificate_.get();
  X509_set_issuer_name(ca, X509_get_subject_name(ca));
  AddExtension(ca, ca, NID_basic_constraints, "critical,CA:TRUE");
  AddExtension(ca, ca, NID_key_usage, "critical,keyCertSign,cRLSign");
  AddExtension(ca, ca, NID_subject_key_identifier, "hash");
  Check(X509_sign(ca, key_.get(), EVP_sha256()) > 0, "cannot sign the authority");
}

TestCertificateAuthority::~TestCertificateAuthority() = default;

void TestCertificateAuthority::WriteCertificate(const std::string& path) const {
  WritePem(path, [this](std::FILE* file) { return PEM_write_X509(file, certificate_.get()); });
}

void TestCertificateAuthority::IssueServerCertificate(const std::vector<std::string>& names,
                                                      const std::string& certificate_path,
                                                      const std::string& key_path,
                                                      int valid_days) const {
  const std::unique_ptr<EVP_PKEY, FreeKey> key(NewKey());
  static long serial = 1;
  const std::unique_ptr<X509, FreeCertificate> certificate(
      NewCertificate(names.front(), key.get(), ++serial, valid_days));
  X509_set_issuer_name(certificate.get(), X509_get_subject_name(certificate_.get()));
  std::string alternative_names;
  for (const std::string& name : names)
    alternative_names += (alternative_names.empty() ? "" : ",") +
                         std::string(IsIPv4Address(name) ? "IP:" : "DNS:") + name;
  AddExtension(certificate.get(), certificate_.get(), NID_subject_alt_name, alternative_names);
  AddExtension(certificate.get(), certificate_.get(), NID_ext_key_usage, "serverAuth");
  AddExtension(certificate.get(), certificate_.get(), NID_authority_key_identifier, "keyid");
  Check(X509_sign(certificate.get(), key_.get(), EVP_sha256()) > 0, "cannot sign");
  WritePem(certificate_path,
           [&certificate](std::FILE* file) { return PEM_write_X509(file, certificate.get()); });
  WritePem(key_path, [&key](std::FILE* file) {
    return PEM_write_PrivateKey(file, key.get(), nullptr, nullptr, 0, nullptr, nullptr);
  });
}
