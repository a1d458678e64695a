#include "update/release/ReleaseArchive.h"

#include <archive.h>
#include <archive_entry.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>

#include "platform/UniqueFd.h"
#include "update/release/ArchiveEntryPath.h"
#include "update/release/InstallationFiles.h"
#include "update/release/ReleaseError.h"

namespace update {
namespace {

namespace fs = std::filesystem;

struct ArchiveReadFree {
  void operator()(archive* handle) const { archive_read_free(handle); }
};
struct ArchiveWriteFree {
  void operator()(archive* handle) const { archive_write_free(handle); }
};
struct ArchiveEntryFree {
  void operator()(archive_entry* entry) const { archive_entry_free(entry); }
};
using ArchiveReader = std::unique_ptr<archive, ArchiveReadFree>;
using ArchiveWriter = std::unique_ptr<archive, ArchiveWriteFree>;
using ArchiveEntry = std::unique_ptr<archive_entry, ArchiveEntryFree>;

// Bounds on what unpacking a signed archive may cost: the vendor's key
// vouches for the archive, but a mistake on the vendor's side must not fill
// the user's disk.
constexpr std::uint64_t kMaxUnpackedBytes = std::uint64_t{16} << 30;
constexpr std::size_t kMaxEntries = 100000;
constexpr std::size_t kCopyPiece = 1 << 16;

[[noreturn]] void RaiseArchiveError(archive* handle, const std::string& archive_path) {
  const char* reason = archive_error_string(handle);
  throw TReleaseError("The archive \"" + archive_path + "\" cannot be " +
                      (reason != nullptr ? std::string("used: ") + reason : std::string("read")) + ".");
}

[[noreturn]] void RaiseFileError(const std::string& what, const std::string& path) {
  throw TReleaseError(what + " \"" + path + "\": " + std::strerror(errno) + ".");
}

mode_t FileMode(mode_t archived) {
  // Readable by everyone, writable by the owner, executable as packed;
  // never set-user-ID or anything else a release has no business with.
  return 0644 | (archived & 0111);
}

// Every entry of `folder` in name order, folders before what they hold.
std::vector<fs::path> ReleaseEntries(const fs::path& folder) {
  std::vector<fs::path> entries;
  for (auto it = fs::recursive_directory_iterator(folder); it != fs::recursive_directory_iterator(); ++it) {
    const fs::path relative = it->path().lexically_relative(folder);
    if (it.depth() == 0 && BelongsToInstallation(relative.string())) {
      it.disable_recursion_pending();
      continue;
    }
    const fs::file_status status = it->symlink_status();
    if (!fs::is_regular_file(status) && !fs::is_directory(status))
      throw TReleaseError("\"" + it->path().string() + "\" is a link or a special file; a release holds only files and folders.");
    entries.push_back(relative);
  }
  std::sort(entries.begin(), entries.end());
  return entries;
}

void WriteFileData(archive* writer, const std::string& path) {
  const platform::UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.Valid()) RaiseFileError("Cannot read", path);
  std::vector<char> piece(kCopyPiece);
  for (;;) {
    const ssize_t got = ::read(fd.Get(), piece.data(), piece.size());
    if (got == 0) return;
    if (got < 0) {
      if (errno == EINTR) continue;
      RaiseFileError("Cannot read", path);
    }
    if (archive_write_data(writer, piece.data(), static_cast<std::size_t>(got)) != got)
      throw TReleaseError(std::string("The archive cannot be written: ") + archive_error_string(writer) + ".");
  }
}

// Makes each missing folder of `path` below `root`; a step that exists must
// be a folder, not a file.
void MakeFolders(int root, const std::string& path, std::vector<std::string>& made) {
  for (std::size_t slash = path.find('/'); ; slash = path.find('/', slash + 1)) {
    const std::string step = path.substr(0, slash);
    if (::mkdirat(root, step.c_str(), 0755) == 0) {
      made.push_back(step);
    } else {
      struct stat info {};
      if (errno != EEXIST || ::fstatat(root, step.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISDIR(info.st_mode))
        throw TReleaseError("The archive's entry \"" + path + "\" lies below a file of the same archive.");
    }
    if (slash == std::string::npos) return;
  }
}

void FlushFolder(int root, const std::string& path) {
  const platform::UniqueFd fd(::openat(root, path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!fd.Valid() || ::fsync(fd.Get()) != 0) RaiseFileError("Cannot flush the folder", path);
}

class TUnpacker {
 public:
  TUnpacker(archive* reader, const std::string& archive_path, int root)
      : reader_(reader), archive_path_(archive_path), root_(root) {}

  void Entry(archive_entry* entry) {
    if (++entries_ > kMaxEntries) throw TReleaseError("The archive holds more entries than an update may.");
    const char* raw_path = archive_entry_pathname(entry);
    if (raw_path == nullptr) throw TReleaseError("The archive holds an entry without a readable name.");
    const std::string path = CheckedEntryPath(raw_path);
    if (archive_entry_hardlink(entry) != nullptr || archive_entry_symlink(entry) != nullptr)
      throw TReleaseError("The archive's entry \"" + path + "\" is a link; a release holds only files and folders.");
    switch (archive_entry_filetype(entry)) {
      case AE_IFDIR:
        if (!path.empty()) MakeFolders(root_, path, folders_);
        break;
      case AE_IFREG:
        if (path.empty()) throw TReleaseError("The archive holds a file without a name.");
        File(entry, path);
        break;
      default:
        throw TReleaseError("The archive's entry \"" + path + "\" is neither a file nor a folder.");
    }
  }

  std::vector<std::string> Finish() {
    if (files_.empty()) throw TReleaseError("The archive holds no files.");
    for (auto folder = folders_.rbegin(); folder != folders_.rend(); ++folder) FlushFolder(root_, *folder);
    FlushFolder(root_, ".");
    return std::move(files_);
  }

 private:
  void File(archive_entry* entry, const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash != std::string::npos) MakeFolders(root_, path.substr(0, slash), folders_);
    const platform::UniqueFd fd(::openat(root_, path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                         FileMode(archive_entry_perm(entry))));
    if (!fd.Valid()) {
      if (errno == EEXIST) throw TReleaseError("The archive's entry \"" + path + "\" is given twice.");
      RaiseFileError("Cannot create", path);
    }
    const void* block = nullptr;
    std::size_t size = 0;
    la_int64_t offset = 0;
    for (;;) {
      const int result = archive_read_data_block(reader_, &block, &size, &offset);
      if (result == ARCHIVE_EOF) break;
      if (result < ARCHIVE_WARN) RaiseArchiveError(reader_, archive_path_);
      unpacked_ += size;
      if (unpacked_ > kMaxUnpackedBytes) throw TReleaseError("The archive unpacks to more than an update may.");
      const char* bytes = static_cast<const char*>(block);
      for (std::size_t done = 0; done < size;) {
        const ssize_t put = ::pwrite(fd.Get(), bytes + done, size - done, offset + static_cast<off_t>(done));
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) RaiseFileError("Cannot write", path);
        done += static_cast<std::size_t>(put);
      }
    }
    // A file that ends in a hole has its length only in the header.
    if (archive_entry_size_is_set(entry) && ::ftruncate(fd.Get(), archive_entry_size(entry)) != 0)
      RaiseFileError("Cannot write", path);
    if (::fsync(fd.Get()) != 0) RaiseFileError("Cannot write", path);
    files_.push_back(path);
  }

  archive* reader_;
  const std::string& archive_path_;
  int root_;
  std::size_t entries_ = 0;
  std::uint64_t unpacked_ = 0;
  std::vector<std::string> files_;
  std::vector<std::string> folders_;
};

}  // namespace

std::vector<std::string> PackRelease(const std::string& folder, const std::string& archive_path) {
  const std::vector<fs::path> entries = ReleaseEntries(folder);
  ArchiveWriter writer(archive_write_new());
  if (!writer || archive_write_add_filter_gzip(writer.get()) != ARCHIVE_OK ||
      archive_write_set_format_pax_restricted(writer.get()) != ARCHIVE_OK ||
      archive_write_open_filename(writer.get(), archive_path.c_str()) != ARCHIVE_OK)
    RaiseArchiveError(writer.get(), archive_path);

  std::vector<std::string> files;
  for (const fs::path& relative : entries) {
    const std::string path = (fs::path(folder) / relative).string();
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) RaiseFileError("Cannot read", path);
    ArchiveEntry entry(archive_entry_new());
    archive_entry_set_pathname(entry.get(), relative.generic_string().c_str());
    archive_entry_set_mtime(entry.get(), info.st_mtime, 0);
    if (S_ISDIR(info.st_mode)) {
      archive_entry_set_filetype(entry.get(), AE_IFDIR);
      archive_entry_set_perm(entry.get(), 0755);
    } else {
      archive_entry_set_filetype(entry.get(), AE_IFREG);
      archive_entry_set_perm(entry.get(), FileMode(info.st_mode));
      archive_entry_set_size(entry.get(), info.st_size);
    }
    if (archive_write_header(writer.get(), entry.get()) != ARCHIVE_OK) RaiseArchiveError(writer.get(), archive_path);
    if (S_ISREG(info.st_mode)) {
      WriteFileData(writer.get(), path);
      files.push_back(relative.generic_string());
    }
  }
  if (files.empty()) throw TReleaseError("\"" + folder + "\" holds no files to release.");
  if (archive_write_close(writer.get()) != ARCHIVE_OK) RaiseArchiveError(writer.get(), archive_path);
  return files;
}

std::vector<std::string> UnpackRelease(const std::string& archive_path, const std::string& folder) {
  ArchiveReader reader(archive_read_new());
  if (!reader || archive_read_support_filter_gzip(reader.get()) != ARCHIVE_OK ||
      archive_read_support_format_tar(reader.get()) != ARCHIVE_OK ||
      archive_read_open_filename(reader.get(), archive_path.c_str(), kCopyPiece) != ARCHIVE_OK)
    RaiseArchiveError(reader.get(), archive_path);
  const platform::UniqueFd root(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!root.Valid()) RaiseFileError("Cannot open the folder", folder);

  TUnpacker unpacker(reader.get(), archive_path, root.Get());
  for (;;) {
    archive_entry* entry = nullptr;
    const int result = archive_read_next_header(reader.get(), &entry);
    if (result == ARCHIVE_EOF) break;
    if (result < ARCHIVE_WARN) RaiseArchiveError(reader.get(), archive_path);
    unpacker.Entry(entry);
  }
  return unpacker.Finish();
}

}  // namespace update
