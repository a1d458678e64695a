#include "net/TNetFileStream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/FileSystem.h"

TNetFileStream::TNetFileStream(platform::UniqueFd owned, int fd, std::string name)
    : owned_(std::move(owned)), fd_(fd), name_(std::move(name)) {
  const off_t position = ::lseek(fd_, 0, SEEK_CUR);
  seekable_ = position >= 0;
  if (seekable_) position_ = position;
}

TNetFileStream TNetFileStream::Create(const std::string& path) {
  platform::UniqueFd fd(
      ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (!fd.Valid())
    throw platform::FileError("Cannot create file \"" + path + "\". " +
                                  std::strerror(errno),
                              errno);
  const int raw = fd.Get();
  return TNetFileStream(std::move(fd), raw, path);
}

TNetFileStream TNetFileStream::OnDescriptor(int fd, std::string name) {
  return TNetFileStream(platform::UniqueFd(), fd, std::move(name));
}

void TNetFileStream::RaiseWriteError(int error_number) const {
  throw platform::FileError("Cannot write file \"" + name_ + "\". " +
                                std::strerror(error_number),
                            error_number);
}

void TNetFileStream::Write(const char* data, std::size_t count) {
  while (count > 0) {
    const ssize_t written = ::write(fd_, data, count);
    if (written < 0) {
      if (errno == EINTR) continue;
      RaiseWriteError(errno);
    }
    data += written;
    count -= static_cast<std::size_t>(written);
    position_ += written;
  }
  if (!seekable_ && position_ > size_) size_ = position_;
}

void TNetFileStream::SetPosition(std::int64_t position) {
  if (position == position_) return;
  if (!seekable_) RaiseWriteError(ESPIPE);
  if (::lseek(fd_, position, SEEK_SET) < 0) RaiseWriteError(errno);
  position_ = position;
}

std::int64_t TNetFileStream::Size() const {
  if (!seekable_) return size_;
  struct stat status {};
  if (::fstat(fd_, &status) < 0) return position_;
  return status.st_size;
}

void TNetFileStream::SetSize(std::int64_t size) {
  if (!seekable_) {
    if (size < size_) RaiseWriteError(ESPIPE);
    return;
  }
  if (::ftruncate(fd_, size) < 0) RaiseWriteError(errno);
}

void TNetFileStream::Close() {
  if (owned_.Valid() && owned_.Close() < 0) RaiseWriteError(errno);
}
