#include "platform/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <memory>

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

// Removes the temporary file unless the rename has taken it over.
class TemporaryFile {
 public:
  explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
  ~TemporaryFile() {
    if (!path_.empty()) ::unlink(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  void Release() { path_.clear(); }

 private:
  std::string path_;
};

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

void WriteWholeFileAtomically(const std::string& path, std::string_view bytes) {
  std::string temporary_path = path + ".XXXXXX";
  UniqueFd fd(::mkstemp(temporary_path.data()));
  if (!fd.Valid()) throw CreateError(path, errno);
  TemporaryFile temporary(temporary_path);

  // Keep the permissions of the file being replaced; a new data file is an
  // ordinary user file (mkstemp would leave it readable by its owner alone).
  struct stat old {};
  const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
  ::fchmod(fd.Get(), mode);

  size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t put = ::write(fd.Get(), bytes.data() + written, bytes.size() - written);
    if (put < 0) {
      if (errno == EINTR) continue;
      throw CreateError(path, errno);
    }
    written += static_cast<size_t>(put);
  }
  if (::fsync(fd.Get()) != 0) throw CreateError(path, errno);
  if (fd.Close() != 0) throw CreateError(path, errno);
  if (::rename(temporary_path.c_str(), path.c_str()) != 0) throw CreateError(path, errno);
  temporary.Release();
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
