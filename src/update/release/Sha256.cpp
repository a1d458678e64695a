#include "update/release/Sha256.h"

#include <fcntl.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/UniqueFd.h"
#include "update/release/ReleaseError.h"

namespace update {

TSha256::TSha256() : context_(EVP_MD_CTX_new()) {
  if (!context_ || EVP_DigestInit_ex(context_.get(), EVP_sha256(), nullptr) != 1)
    throw TReleaseError("SHA-256 is not available.");
}

void TSha256::Update(std::string_view bytes) { EVP_DigestUpdate(context_.get(), bytes.data(), bytes.size()); }

std::string TSha256::HexDigest() {
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int length = 0;
  EVP_DigestFinal_ex(context_.get(), digest, &length);
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (unsigned int i = 0; i < length; ++i) {
    hex += kDigits[digest[i] >> 4];
    hex += kDigits[digest[i] & 15];
  }
  return hex;
}

std::string Sha256OfFile(const std::string& path) {
  const platform::UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.Valid()) throw platform::FileError("Cannot open file \"" + path + "\". " + std::strerror(errno), errno);
  TSha256 hash;
  std::vector<char> piece(1 << 20);
  for (;;) {
    const ssize_t got = ::read(fd.Get(), piece.data(), piece.size());
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      throw platform::FileError("Cannot read file \"" + path + "\". " + std::strerror(errno), errno);
    }
    hash.Update(std::string_view(piece.data(), static_cast<std::size_t>(got)));
  }
  return hash.HexDigest();
}

}  // namespace update
