#include "net/TNetStringStream.h"

#include <algorithm>

void TNetStringStream::Write(const char* data, std::size_t count) {
  if (position_ >= keep_limit_) return;
  count = static_cast<std::size_t>(
      std::min<std::int64_t>(static_cast<std::int64_t>(count), keep_limit_ - position_));
  const auto position = static_cast<std::size_t>(position_);
  if (position > bytes_.size()) bytes_.resize(position);
  const std::size_t overwritten = std::min(count, bytes_.size() - position);
  bytes_.replace(position, overwritten, data, count);
  position_ += static_cast<std::int64_t>(count);
}

void TNetStringStream::SetPosition(std::int64_t position) {
  position_ = std::max<std::int64_t>(position, 0);
}

void TNetStringStream::SetSize(std::int64_t size) {
  bytes_.resize(static_cast<std::size_t>(std::max<std::int64_t>(size, 0)));
}

void TNetStringStream::Reserve(std::int64_t count) {
  const std::int64_t wanted =
      position_ + std::clamp<std::int64_t>(count, 0, kMaxReservation);
  bytes_.reserve(static_cast<std::size_t>(wanted));
}
