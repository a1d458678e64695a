#include "update/install/WatchedStream.h"

#include <algorithm>

#include "update/release/ReleaseError.h"

namespace update {
namespace {

[[noreturn]] void RaiseTooLong(std::int64_t limit) {
  throw TReleaseError("The server sent more than the " + std::to_string(limit) + " bytes expected.");
}

}  // namespace

void TWatchedStream::Write(const char* data, std::size_t count) {
  if (static_cast<std::uint64_t>(target_.Position()) + count > static_cast<std::uint64_t>(limit_)) RaiseTooLong(limit_);
  target_.Write(data, count);
  after_write_(target_.Size());
}

void TWatchedStream::SetSize(std::int64_t size) {
  if (size > limit_) RaiseTooLong(limit_);
  target_.SetSize(size);
}

void TWatchedStream::Reserve(std::int64_t count) { target_.Reserve(std::min(count, limit_)); }

}  // namespace update
