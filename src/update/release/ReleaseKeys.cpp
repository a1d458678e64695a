#include "update/release/ReleaseKeys.h"

#include <openssl/err.h>
#include <openssl/pem.h>

#include "platform/FileSystem.h"
#include "update/release/ReleaseError.h"

namespace update {
namespace {

BioPtr ReadingBio(std::string_view text) {
  BioPtr bio(BIO_new_mem_buf(text.data(), static_cast<int>(text.size())));
  if (!bio) throw TReleaseError("Out of memory reading a key.");
  return bio;
}

std::string BioText(BIO& bio) {
  char* data = nullptr;
  const long length = BIO_get_mem_data(&bio, &data);
  return std::string(data, static_cast<std::size_t>(length));
}

template <typename Write>
std::string WritePem(Write write) {
  BioPtr bio(BIO_new(BIO_s_mem()));
  if (!bio || write(bio.get()) != 1) throw TReleaseError("A key could not be written.");
  return BioText(*bio);
}

EvpPkeyPtr CheckedEd25519(EVP_PKEY* key, const std::string& what) {
  EvpPkeyPtr owned(key);
  ERR_clear_error();  // what a failed read left behind
  if (!owned || EVP_PKEY_get_id(owned.get()) != EVP_PKEY_ED25519)
    throw TReleaseError(what + " is not an Ed25519 key in PEM form.");
  return owned;
}

}  // namespace

TPublicKey TPublicKey::FromPem(std::string_view pem) {
  BioPtr bio = ReadingBio(pem);
  return TPublicKey(CheckedEd25519(PEM_read_bio_PUBKEY(bio.get(), nullptr, nullptr, nullptr), "The public key"));
}

TPublicKey TPublicKey::Load(const std::string& path) {
  const std::string text = platform::ReadWholeFile(path);
  BioPtr bio = ReadingBio(text);
  return TPublicKey(
      CheckedEd25519(PEM_read_bio_PUBKEY(bio.get(), nullptr, nullptr, nullptr), "\"" + path + "\""));
}

bool TPublicKey::Verifies(std::string_view message, std::string_view signature) const {
  EvpMdCtxPtr context(EVP_MD_CTX_new());
  // Ed25519 hashes the message itself: no digest is named.
  return context && EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, key_.get()) == 1 &&
         EVP_DigestVerify(context.get(), reinterpret_cast<const unsigned char*>(signature.data()), signature.size(),
                          reinterpret_cast<const unsigned char*>(message.data()), message.size()) == 1;
}

std::string TPublicKey::Pem() const {
  return WritePem([this](BIO* bio) { return PEM_write_bio_PUBKEY(bio, key_.get()); });
}

TSecretKey TSecretKey::Generate() {
  EvpPkeyCtxPtr context(EVP_PKEY_CTX_new_id(EVP_PKEY_ED25519, nullptr));
  EVP_PKEY* key = nullptr;
  if (!context || EVP_PKEY_keygen_init(context.get()) != 1 || EVP_PKEY_keygen(context.get(), &key) != 1)
    throw TReleaseError("No Ed25519 key could be made.");
  return TSecretKey(EvpPkeyPtr(key));
}

TSecretKey TSecretKey::Load(const std::string& path) {
  const std::string text = platform::ReadWholeFile(path);
  BioPtr bio = ReadingBio(text);
  return TSecretKey(
      CheckedEd25519(PEM_read_bio_PrivateKey(bio.get(), nullptr, nullptr, nullptr), "\"" + path + "\""));
}

std::string TSecretKey::Sign(std::string_view message) const {
  EvpMdCtxPtr context(EVP_MD_CTX_new());
  std::string signature(64, '\0');
  std::size_t length = signature.size();
  if (!context || EVP_DigestSignInit(context.get(), nullptr, nullptr, nullptr, key_.get()) != 1 ||
      EVP_DigestSign(context.get(), reinterpret_cast<unsigned char*>(signature.data()), &length,
                     reinterpret_cast<const unsigned char*>(message.data()), message.size()) != 1)
    throw TReleaseError("The release could not be signed.");
  signature.resize(length);
  return signature;
}

TPublicKey TSecretKey::PublicKey() const {
  // The public half alone, so that nothing secret travels with it.
  return TPublicKey::FromPem(
      WritePem([this](BIO* bio) { return PEM_write_bio_PUBKEY(bio, key_.get()); }));
}

std::string TSecretKey::Pem() const {
  return WritePem([this](BIO* bio) {
    return PEM_write_bio_PrivateKey(bio, key_.get(), nullptr, nullptr, 0, nullptr, nullptr);
  });
}

}  // namespace update
