// Any bytes as "mainappupdate.inf" give a release whose fields all hold, or
// a TReleaseError; a release that is read writes back to the same release.
#include <cstdint>
#include <string_view>

#include "update/release/ReleaseDescription.h"
#include "update/release/ReleaseError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  update::TReleaseDescription release;
  try {
    release = update::ParseReleaseDescription(bytes);
  } catch (const update::TReleaseError&) {
    return 0;
  }
  if (release.Size == 0 || release.Size > update::kMaxArchiveSize || release.Sha256.size() != 64 ||
      release.Signature.size() != 64)
    __builtin_trap();
  const update::TReleaseDescription again = update::ParseReleaseDescription(update::FormatReleaseDescription(release));
  if (again.Version != release.Version || again.Archive != release.Archive || again.Size != release.Size ||
      again.Sha256 != release.Sha256 || again.Signature != release.Signature ||
      update::SignedMessage(again) != update::SignedMessage(release))
    __builtin_trap();
  return 0;
}
