#pragma once
#include <string>

#include "net/TNetStream.h"
#include "platform/UniqueFd.h"

// A stream onto a file, or onto an inherited descriptor such as standard
// output. A pipe cannot seek: there the position only counts the bytes
// written, and moving back raises platform::FileError.
class TNetFileStream : public TNetStream {
 public:
  // Creates or empties the file. Throws platform::FileError
  // "Cannot create file "%s". %s".
  static TNetFileStream Create(const std::string& path);
  // Writes to `fd` without owning it.
  static TNetFileStream OnDescriptor(int fd, std::string name);

  TNetFileStream(TNetFileStream&&) = default;
  TNetFileStream& operator=(TNetFileStream&&) = default;

  void Write(const char* data, std::size_t count) override;
  std::int64_t Position() const override { return position_; }
  void SetPosition(std::int64_t position) override;
  std::int64_t Size() const override;
  void SetSize(std::int64_t size) override;

  // Closes an owned file and reports a failure that close reveals (a full
  // disk on a network file system shows only here).
  void Close();

 private:
  TNetFileStream(platform::UniqueFd owned, int fd, std::string name);
  [[noreturn]] void RaiseWriteError(int error_number) const;

  platform::UniqueFd owned_;
  int fd_;
  std::string name_;
  bool seekable_;
  std::int64_t position_ = 0;
  std::int64_t size_ = 0;  // for descriptors that cannot seek
};
