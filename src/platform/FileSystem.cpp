#include "platform/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <memory>
#include <utility>

#include "platform/UniqueFd.h"

namespace platform {
namespace {

FileError OpenError(const std::string& path, int err) {
  return FileError("Cannot open file \"" + path + "\". " + std::strerror(err), err);
}

FileError CreateError(const std::string& path, int err) {
  return FileError("Cannot create file \"" + path + "\". " + std::strerror(err), err);
}

struct DirCloser {
  void operator()(DIR* dir) const { closedir(dir); }
};

// How the writer names its temporary files: the file's own name, this, and
// the six letters or digits mkstemp puts in place of "XXXXXX".
constexpr std::string_view kTemporaryInfix = ".tmp-";
constexpr size_t kUniqueLetters = 6;

// A temporary file that nobody has changed for this long is no write in
// progress: a writer fills its file and renames it within moments, and the
// lock covers the rare write that takes longer.
constexpr time_t kAbandonedAfterSeconds = 60;

bool IsTemporaryNameOf(std::string_view entry, std::string_view name) {
  if (entry.size() != name.size() + kTemporaryInfix.size() + kUniqueLetters || !entry.starts_with(name) ||
      entry.substr(name.size(), kTemporaryInfix.size()) != kTemporaryInfix)
    return false;
  for (const char c : entry.substr(entry.size() - kUniqueLetters))
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) return false;
  return true;
}

}  // namespace

bool FileExists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string ReadWholeFile(const std::string& path) {
  UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.Valid()) throw OpenError(path, errno);
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0) throw OpenError(path, errno);
  if (S_ISDIR(info.st_mode)) throw OpenError(path, EISDIR);
  std::string bytes;
  if (info.st_size > 0) bytes.reserve(static_cast<size_t>(info.st_size));
  char chunk[65536];
  for (;;) {
    const ssize_t got = ::read(fd.Get(), chunk, sizeof chunk);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      throw OpenError(path, errno);
    }
    bytes.append(chunk, static_cast<size_t>(got));
  }
  return bytes;
}

TAtomicFileWriter::TAtomicFileWriter(std::string path)
    : path_(std::move(path)), temporary_path_(path_ + std::string(kTemporaryInfix) + "XXXXXX") {
  fd_ = ::mkostemp(temporary_path_.data(), O_CLOEXEC);
  if (fd_ < 0) throw CreateError(path_, errno);
  // Locked while it is written, so that a start-up beside this write does not
  // take it for the leftover of a write that was killed. A fresh file has no
  // other holder, so this does not wait.
  ::flock(fd_, LOCK_EX);
  // Keep the permissions of the file being replaced; a new data file is an
  // ordinary user file (mkstemp would leave it readable by its owner alone).
  struct stat old {};
  const mode_t mode = ::stat(path_.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
  ::fchmod(fd_, mode);
}

TAtomicFileWriter::~TAtomicFileWriter() {
  if (fd_ >= 0) ::close(fd_);
  if (!temporary_path_.empty()) ::unlink(temporary_path_.c_str());
}

void TAtomicFileWriter::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t put = ::write(fd_, bytes.data(), bytes.size());
    if (put < 0) {
      if (errno == EINTR) continue;
      throw CreateError(path_, errno);
    }
    // The disk starts on what was just written while the caller makes the
    // next piece, so that the flush on commit waits only for the last one.
    // Only a hint: where it is not supported the flush does all the work.
    ::sync_file_range(fd_, written_, put, SYNC_FILE_RANGE_WRITE);
    written_ += put;
    bytes.remove_prefix(static_cast<size_t>(put));
  }
}

void TAtomicFileWriter::Commit() {
  if (::fsync(fd_) != 0) throw CreateError(path_, errno);
  const int closed = ::close(std::exchange(fd_, -1));
  if (closed != 0) throw CreateError(path_, errno);
  if (::rename(temporary_path_.c_str(), path_.c_str()) != 0) throw CreateError(path_, errno);
  temporary_path_.clear();
}

void WriteWholeFileAtomically(const std::string& path, std::string_view bytes) {
  TAtomicFileWriter file(path);
  file.Write(bytes);
  file.Commit();
}

void RemoveAbandonedTemporaries(const std::string& path) {
  const size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "./" : path.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
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
