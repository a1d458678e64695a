#pragma once
#include <string>
#include <string_view>

#include "update/release/OpenSslHandles.h"

namespace update {

// The vendor's Ed25519 public key, as "update.pub" holds it (PEM,
// "BEGIN PUBLIC KEY").
class TPublicKey {
 public:
  // Throws TReleaseError when the text is no Ed25519 public key.
  static TPublicKey FromPem(std::string_view pem);
  // Throws platform::FileError when the file cannot be read, TReleaseError
  // when it holds no Ed25519 public key.
  static TPublicKey Load(const std::string& path);

  bool Verifies(std::string_view message, std::string_view signature) const;
  std::string Pem() const;

 private:
  friend class TSecretKey;
  explicit TPublicKey(EvpPkeyPtr key) : key_(std::move(key)) {}
  EvpPkeyPtr key_;
};

// The vendor's Ed25519 secret key (PEM, "BEGIN PRIVATE KEY"), which signs
// releases and never leaves the vendor.
class TSecretKey {
 public:
  static TSecretKey Generate();
  static TSecretKey Load(const std::string& path);

  // The 64-byte signature of `message`.
  std::string Sign(std::string_view message) const;
  TPublicKey PublicKey() const;
  std::string Pem() const;

 private:
  explicit TSecretKey(EvpPkeyPtr key) : key_(std::move(key)) {}
  EvpPkeyPtr key_;
};

}  // namespace update
