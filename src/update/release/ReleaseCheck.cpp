#include "update/release/ReleaseCheck.h"

#include <filesystem>

#include "update/release/ReleaseError.h"
#include "update/release/Sha256.h"

namespace update {

void CheckSignature(const TReleaseDescription& release, const TPublicKey& key) {
  if (!key.Verifies(SignedMessage(release), release.Signature))
    throw TReleaseError("The release " + release.Version + " is not signed with the vendor's key.");
}

void CheckArchiveFile(const TReleaseDescription& release, const std::string& archive_path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(archive_path, error);
  if (error) throw TReleaseError("The archive \"" + archive_path + "\" cannot be read: " + error.message() + ".");
  if (size != release.Size)
    throw TReleaseError("The archive \"" + release.Archive + "\" has " + std::to_string(size) +
                        " bytes where the description says " + std::to_string(release.Size) + ".");
  if (Sha256OfFile(archive_path) != release.Sha256)
    throw TReleaseError("The archive \"" + release.Archive + "\" is not the one the description names: its SHA-256 differs.");
}

void SignRelease(TReleaseDescription& release, const TSecretKey& key) {
  release.Signature = key.Sign(SignedMessage(release));
}

}  // namespace update
