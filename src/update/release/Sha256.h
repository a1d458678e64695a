#pragma once
#include <string>
#include <string_view>

#include "update/release/OpenSslHandles.h"

namespace update {

// SHA-256 over bytes that come in pieces.
class TSha256 {
 public:
  TSha256();
  void Update(std::string_view bytes);
  // 64 lower-case hexadecimal digits; the hasher is spent afterwards.
  std::string HexDigest();

 private:
  EvpMdCtxPtr context_;
};

// The SHA-256 of a whole file, read in large pieces. Throws
// platform::FileError.
std::string Sha256OfFile(const std::string& path);

}  // namespace update
