// Whole-file reads, and whole-file saves: a new file renamed over the old
// one, or, where the folder takes no new file, the old one written over in
// place.
#include "platform/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <strings.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <memory>
#include <utility>

namespace platform {
namespace {

struct DirCloser {
  void operator()(DIR* dir) const { closedir(dir); }
};

FileStamp StampFrom(const struct stat& info) {
  return {info.st_dev, info.st_ino, info.st_size,
          static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
}

// How the writer names its temporary files: the file's own name, this, and
// the six letters or digits mkstemp puts in place of "XXXXXX".
constexpr std::string_view kTemporaryInfix = ".tmp-";
constexpr size_t kUniqueLetters = 6;

// A temporary file that nobody has changed for this long is no write in
// progress: a writer fills its file and renames it within moments, and the
// lock covers the rare write that takes longer.
constexpr time_t kAbandonedAfterSeconds = 60;

// As many links in a row as the system itself follows before it gives up.
constexpr int kMaxLinksFollowed = 40;

bool IsTemporaryNameOf(std::string_view entry, std::string_view name) {
  if (entry.size() != name.size() + kTemporaryInfix.size() + kUniqueLetters || !entry.starts_with(name) ||
      entry.substr(name.size(), kTemporaryInfix.size()) != kTemporaryInfix)
    return false;
  for (const char c : entry.substr(entry.size() - kUniqueLetters))
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) return false;
  return true;
}

// The file `path` leads to once the symbolic links it names are followed (a
// link may name a file that is not there yet); none when they go round in a
// loop or name no path the system would take.
std::optional<std::string> FollowLinks(std::string path) {
  char target[PATH_MAX];
  for (int followed = 0; followed < kMaxLinksFollowed; ++followed) {
    const ssize_t length = ::readlink(path.c_str(), target, sizeof target);
    if (length < 0) return path;
    if (static_cast<size_t>(length) == sizeof target) return std::nullopt;
    const std::string_view link(target, static_cast<size_t>(length));
    // A relative link is relative to the folder the link is in.
    path = link.front() == '/' ? std::string(link) : path.substr(0, path.rfind('/') + 1).append(link);
  }
  return std::nullopt;
}

// The new file is the process's own: it takes the old one's owner and group
// where the process may (root any, an owner a group it belongs to), then
// the old permission bits, which a change of owner may clear.
void KeepOwnerAndMode(int fd, const struct stat& old) {
  if (::fchown(fd, old.st_uid, old.st_gid) != 0) (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
  ::fchmod(fd, old.st_mode & 07777);
}

void WriteAll(int fd, std::string_view bytes, const std::string& path) {
  while (!bytes.empty()) {
    const ssize_t put = ::write(fd, bytes.data(), bytes.size());
    if (put < 0) {
      if (errno == EINTR) continue;
      throw FileError::CannotCreate(path, errno);
    }
    bytes.remove_prefix(static_cast<size_t>(put));
  }
}

FileStamp StampOfOpen(int fd, const std::string& path) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) throw FileError::CannotCreate(path, errno);
  return StampFrom(info);
}

}  // namespace

FileError FileError::CannotOpen(const std::string& path, int error_number) {
  return FileError("Cannot open file \"" + path + "\". " + std::strerror(error_number), error_number);
}

FileError FileError::CannotCreate(const std::string& path, int error_number) {
  return FileError("Cannot create file \"" + path + "\". " + std::strerror(error_number), error_number);
}

bool FileExists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::optional<FileStamp> StampOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  return StampFrom(info);
}

std::string ReadWholeFile(const std::string& path) {
  FileStamp ignored;
  return ReadWholeFile(path, ignored);
}

std::string ReadWholeFile(const std::string& path, FileStamp& stamp) {
  UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.Valid()) throw FileError::CannotOpen(path, errno);
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0) throw FileError::CannotOpen(path, errno);
  if (S_ISDIR(info.st_mode)) throw FileError::CannotOpen(path, EISDIR);
  // Taken before the read: a writer that changes the file during it leaves
  // a later stamp than this one, so the change is not taken for read.
  stamp = StampFrom(info);
  std::string bytes;
  if (info.st_size > 0) bytes.reserve(static_cast<size_t>(info.st_size));
  char chunk[65536];
  for (;;) {
    const ssize_t got = ::read(fd.Get(), chunk, sizeof chunk);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      throw FileError::CannotOpen(path, errno);
    }
    bytes.append(chunk, static_cast<size_t>(got));
  }
  return bytes;
}

TAtomicFileWriter::TAtomicFileWriter(std::string path) : path_(std::move(path)) {
  std::optional<std::string> target = FollowLinks(path_);
  if (!target) throw FileError::CannotCreate(path_, ELOOP);
  target_ = std::move(*target);
  struct stat old {};
  const bool replacing = ::stat(target_.c_str(), &old) == 0;
  if (replacing && ::faccessat(AT_FDCWD, target_.c_str(), W_OK, AT_EACCESS) != 0)
    throw FileError::CannotCreate(path_, errno);
  temporary_path_ = target_ + std::string(kTemporaryInfix) + "XXXXXX";
  fd_.Reset(::mkostemp(temporary_path_.data(), O_CLOEXEC));
  if (!fd_.Valid()) {
    const int error = errno;
    temporary_path_.clear();
    if (!replacing || !S_ISREG(old.st_mode) || (error != EACCES && error != EPERM))
      throw FileError::CannotCreate(path_, error);
    in_place_ = true;
    return;
  }
  // Locked while it is written, so that a start-up beside this write does not
  // take it for the leftover of a write that was killed. A fresh file has no
  // other holder, so this does not wait.
  ::flock(fd_.Get(), LOCK_EX);
  // A new data file is an ordinary user file (mkstemp would leave it readable
  // by its owner alone).
  if (replacing)
    KeepOwnerAndMode(fd_.Get(), old);
  else
    ::fchmod(fd_.Get(), 0644);
}

TAtomicFileWriter::~TAtomicFileWriter() {
  if (!temporary_path_.empty()) ::unlink(temporary_path_.c_str());
}

void TAtomicFileWriter::Write(std::string_view bytes) {
  if (in_place_) {
    held_.append(bytes);
    return;
  }
  WriteAll(fd_.Get(), bytes, path_);
  // The disk starts on what was just written while the caller makes the
  // next piece, so that the flush waits only for the last one. Only a hint:
  // where it is not supported the flush does all the work.
  ::sync_file_range(fd_.Get(), written_, static_cast<off_t>(bytes.size()), SYNC_FILE_RANGE_WRITE);
  written_ += static_cast<off_t>(bytes.size());
  flushed_ = false;
}

void TAtomicFileWriter::Flush() {
  // Held content reaches the disk only in Commit(): writing it over the old
  // file is the step that cannot be taken back.
  if (in_place_ || flushed_) return;
  if (::fsync(fd_.Get()) != 0) throw FileError::CannotCreate(path_, errno);
  flushed_ = true;
}

FileStamp TAtomicFileWriter::Commit() {
  if (in_place_) return WriteInPlace();
  Flush();
  const FileStamp stamp = StampOfOpen(fd_.Get(), path_);
  if (fd_.Close() != 0) throw FileError::CannotCreate(path_, errno);
  if (::rename(temporary_path_.c_str(), target_.c_str()) != 0) throw FileError::CannotCreate(path_, errno);
  temporary_path_.clear();
  return stamp;
}

// Without the rename a failure half-way leaves a mix of old and new, so the
// disk space is taken first: a full disk or quota then stops the save before
// the file is touched.
FileStamp TAtomicFileWriter::WriteInPlace() {
  UniqueFd fd(::open(target_.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY));
  if (!fd.Valid()) throw FileError::CannotCreate(path_, errno);
  const auto size = static_cast<off_t>(held_.size());
  if (size > 0 && ::fallocate(fd.Get(), FALLOC_FL_KEEP_SIZE, 0, size) != 0 &&
      (errno == ENOSPC || errno == EDQUOT || errno == EFBIG))
    throw FileError::CannotCreate(path_, errno);
  WriteAll(fd.Get(), held_, path_);
  if (::ftruncate(fd.Get(), size) != 0 || ::fsync(fd.Get()) != 0) throw FileError::CannotCreate(path_, errno);
  const FileStamp stamp = StampOfOpen(fd.Get(), path_);
  if (fd.Close() != 0) throw FileError::CannotCreate(path_, errno);
  held_.clear();
  return stamp;
}

void WriteWholeFileAtomically(const std::string& path, std::string_view bytes) {
  TAtomicFileWriter file(path);
  file.Write(bytes);
  file.Commit();
}

void RemoveAbandonedTemporaries(const std::string& path) {
  const std::optional<std::string> target = FollowLinks(path);
  if (!target) return;
  const size_t slash = target->rfind('/');
  const std::string folder = slash == std::string::npos ? "./" : target->substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? *target : target->substr(slash + 1);
  std::unique_ptr<DIR, DirCloser> dir(::opendir(folder.c_str()));
  if (!dir) return;
  const time_t now = ::time(nullptr);
  while (const dirent* entry = ::readdir(dir.get())) {
    if (!IsTemporaryNameOf(entry->d_name, name)) continue;
    const std::string temporary = folder + entry->d_name;
    UniqueFd fd(::open(temporary.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    struct stat info {};
    if (!fd.Valid() || ::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
    if (now - info.st_mtime < kAbandonedAfterSeconds) continue;
    if (::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) continue;
    ::unlink(temporary.c_str());
  }
}

std::optional<std::string> FindFileIgnoringCase(const std::string& folder,
                                                const std::string& name) {
  std::string base = folder.empty() ? "./" : folder;
  if (base.back() != '/') base += '/';
  if (FileExists(base + name)) return base + name;
  std::unique_ptr<DIR, DirCloser> dir(::opendir(base.c_str()));
  if (!dir) return std::nullopt;
  while (const dirent* entry = ::readdir(dir.get())) {
    if (::strcasecmp(entry->d_name, name.c_str()) == 0 && FileExists(base + entry->d_name))
      return base + entry->d_name;
  }
  return std::nullopt;
}

}  // namespace platform
