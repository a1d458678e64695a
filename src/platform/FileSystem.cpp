#include "platform/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <memory>

namespace platform {
namespace {

struct DirCloser {
  void operator()(DIR* dir) const { closedir(dir); }
};

}  // namespace

FileError FileError::CannotOpen(const std::string& path, int error_number) {
  return FileError("Cannot open file \"" + path + "\". " + std::strerror(error_number), error_number);
}

FileError FileError::CannotCreate(const std::string& path, int error_number) {
  return FileError("Cannot create file \"" + path + "\". " + std::strerror(error_number), error_number);
}

FileStamp FileStamp::Of(const struct stat& info) {
  return {info.st_dev, info.st_ino, info.st_size, info.st_mtim};
}

bool operator==(const FileStamp& a, const FileStamp& b) {
  return a.device == b.device && a.inode == b.inode && a.size == b.size &&
         a.modified.tv_sec == b.modified.tv_sec && a.modified.tv_nsec == b.modified.tv_nsec;
}

bool FileExists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::optional<FileStamp> StampOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  return FileStamp::Of(info);
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
  stamp = FileStamp::Of(info);
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
