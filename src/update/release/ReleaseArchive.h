#pragma once
#include <string>
#include <vector>

namespace update {

// Packs the files of `folder` (and of the folders in it) into a
// gzip-compressed tar at `archive_path`, in name order, leaving out what
// belongs to the installation (BelongsToInstallation). Returns the packed
// files' paths. Throws TReleaseError for a link or any other entry that is
// neither a file nor a folder, or when nothing can be packed.
std::vector<std::string> PackRelease(const std::string& folder, const std::string& archive_path);

// Unpacks a release archive into the empty folder `folder`, each file
// written and flushed to disk. Returns the files' paths, relative to
// `folder`. Throws TReleaseError for an archive that holds no file, an
// entry whose path CheckedEntryPath refuses, an entry that is neither a
// regular file nor a folder (links of every kind included), a path given
// twice, or more than an update may unpack.
std::vector<std::string> UnpackRelease(const std::string& archive_path, const std::string& folder);

}  // namespace update
