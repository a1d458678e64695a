#pragma once
#include <map>
#include <string>
#include <vector>

#include "update/release/ReleaseDescription.h"
#include "update/release/ReleaseKeys.h"

namespace updatertest {

// A folder's files and folders by relative path: a file's bytes, with "*"
// in front for an executable one; a folder as "<folder>".
using TFolderSnapshot = std::map<std::string, std::string>;

TFolderSnapshot Snapshot(const std::string& folder);
// Writes `files` (as Snapshot gives them) into `folder`.
void WriteFolder(const std::string& folder, const TFolderSnapshot& files);

// Publishes the release of `files` into `update_folder` as the vendor's
// `pack` does: the archive and the signed "mainappupdate.inf".
update::TReleaseDescription PublishRelease(const TFolderSnapshot& files, const std::string& version,
                                           const update::TSecretKey& key, const std::string& update_folder);

// Signs an archive made elsewhere and publishes it as PublishRelease does.
update::TReleaseDescription PublishArchive(const std::string& archive_path, const std::string& version,
                                           const update::TSecretKey& key, const std::string& update_folder);

// An archive of exactly these entries, however hostile.
struct TTarEntry {
  std::string path;
  unsigned type = 0;
  std::string content = {};
  std::string symlink = {};
  std::string hardlink = {};
};
void WriteTar(const std::string& path, const std::vector<TTarEntry>& entries);

// The program's files of release 1.02 and 1.03, and the user's files.
TFolderSnapshot OldRelease();
TFolderSnapshot NewRelease();
TFolderSnapshot UsersFiles();

}  // namespace updatertest
