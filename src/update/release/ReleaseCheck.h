#pragma once
#include <string>

#include "update/release/ReleaseDescription.h"
#include "update/release/ReleaseKeys.h"

namespace update {

// Throws TReleaseError unless the vendor's key signed exactly this
// description's version, archive name, size and SHA-256.
void CheckSignature(const TReleaseDescription& release, const TPublicKey& key);

// Throws TReleaseError unless the file at `archive_path` has the
// description's size and SHA-256.
void CheckArchiveFile(const TReleaseDescription& release, const std::string& archive_path);

// Signs `release` (all but its signature filled in) with `key`.
void SignRelease(TReleaseDescription& release, const TSecretKey& key);

}  // namespace update
