#include "updater/ReleaseFolders.h"

#include <archive.h>
#include <archive_entry.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/FileSystem.h"
#include "support/TemporaryFolder.h"
#include "update/release/ReleaseArchive.h"
#include "update/release/ReleaseCheck.h"
#include "update/release/Sha256.h"

namespace updatertest {

namespace fs = std::filesystem;

TFolderSnapshot Snapshot(const std::string& folder) {
  TFolderSnapshot snapshot;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    const std::string path = entry.path().lexically_relative(folder).generic_string();
    if (entry.is_directory()) {
      snapshot[path] = "<folder>";
    } else {
      const bool executable = (fs::status(entry.path()).permissions() & fs::perms::owner_exec) != fs::perms::none;
      snapshot[path] = (executable ? "*" : "") + platform::ReadWholeFile(entry.path().string());
    }
  }
  return snapshot;
}

void WriteFolder(const std::string& folder, const TFolderSnapshot& files) {
  for (const auto& [path, content] : files) {
    const fs::path target = fs::path(folder) / path;
    if (content == "<folder>") {
      fs::create_directories(target);
      continue;
    }
    fs::create_directories(target.parent_path());
    const bool executable = content.starts_with('*');
    platform::WriteWholeFileAtomically(target.string(), executable ? content.substr(1) : content);
    ::chmod(target.c_str(), executable ? 0755 : 0644);
  }
}

update::TReleaseDescription PublishRelease(const TFolderSnapshot& files, const std::string& version,
                                           const update::TSecretKey& key, const std::string& update_folder) {
  const TemporaryFolder source;
  WriteFolder(source.Path(), files);
  const TemporaryFolder packed;
  update::PackRelease(source.Path(), packed.File("release.tar.gz"));
  return PublishArchive(packed.File("release.tar.gz"), version, key, update_folder);
}

update::TReleaseDescription PublishArchive(const std::string& archive_path, const std::string& version,
                                           const update::TSecretKey& key, const std::string& update_folder) {
  update::TReleaseDescription release;
  release.Version = version;
  release.Archive = "tarvik-" + version + ".tar.gz";
  fs::create_directories(update_folder);
  const std::string published = (fs::path(update_folder) / release.Archive).string();
  fs::copy_file(archive_path, published, fs::copy_options::overwrite_existing);
  release.Size = fs::file_size(published);
  release.Sha256 = update::Sha256OfFile(published);
  update::SignRelease(release, key);
  platform::WriteWholeFileAtomically((fs::path(update_folder) / "mainappupdate.inf").string(),
                                     update::FormatReleaseDescription(release));
  return release;
}

void WriteTar(const std::string& path, const std::vector<TTarEntry>& entries) {
  archive* writer = archive_write_new();
  archive_write_add_filter_gzip(writer);
  archive_write_set_format_pax_restricted(writer);
  archive_write_open_filename(writer, path.c_str());
  for (const TTarEntry& item : entries) {
    archive_entry* entry = archive_entry_new();
    archive_entry_set_pathname(entry, item.path.c_str());
    archive_entry_set_filetype(entry, item.type);
    archive_entry_set_perm(entry, 0644);
    archive_entry_set_size(entry, static_cast<la_int64_t>(item.content.size()));
    if (!item.symlink.empty()) archive_entry_set_symlink(entry, item.symlink.c_str());
    if (!item.hardlink.empty()) archive_entry_set_hardlink(entry, item.hardlink.c_str());
    archive_write_header(writer, entry);
    archive_write_data(writer, item.content.data(), item.content.size());
    archive_entry_free(entry);
  }
  archive_write_close(writer);
  archive_write_free(writer);
}

TFolderSnapshot OldRelease() {
  return {{"tarvik", "*#!/bin/sh\necho old\n"},
          {"Updater.exe", "*old updater"},
          {"tools", "<folder>"},
          {"tools/tarvik-fetch", "*old fetch"},
          {"dbskin.dat", "old skin"}};
}

TFolderSnapshot NewRelease() {
  return {{"tarvik", "*#!/bin/sh\necho new\n"},
          {"Updater.exe", "*new updater"},
          {"tools", "<folder>"},
          {"tools/tarvik-fetch", "*new fetch"},
          {"tools/tarvik-release", "*new release tool"},
          {"dbskin.dat", "new skin"},
          {"README.txt", "what is new"}};
}

TFolderSnapshot UsersFiles() {
  return {{"categories.dat", "Work\r\n"},
          {"Projects.dat", "Site^Work^1/2/2026^1/3/2026\r\n"},
          {"Hours.dat", "1/2/2026-1:00 AM^Call\r\n"},
          {"Hours.dat.bak", "damaged once"},
          {"mainappupdate.inf", "[APPLICATION]\r\nVersion=1.03\r\n"},
          {"dbconfig.dat", "[Settings]\r\nAppName=Mine\r\n"}};
}

}  // namespace updatertest
