#pragma once
#include <cstdint>
#include <string>

#include "net/TNetStream.h"

// A stream in memory, for bodies read into text (error pages, tests). With a
// keep limit, bytes written beyond it are dropped, so that a page of any
// length costs bounded memory.
class TNetStringStream : public TNetStream {
 public:
  explicit TNetStringStream(std::int64_t keep_limit = INT64_MAX)
      : keep_limit_(keep_limit) {}

  // A hostile Content-Length must not make a reservation huge: beyond this,
  // memory grows only as bytes really arrive.
  static constexpr std::int64_t kMaxReservation = 16 * 1024 * 1024;

  void Write(const char* data, std::size_t count) override;
  std::int64_t Position() const override { return position_; }
  void SetPosition(std::int64_t position) override;
  std::int64_t Size() const override {
    return static_cast<std::int64_t>(bytes_.size());
  }
  void SetSize(std::int64_t size) override;
  void Reserve(std::int64_t count) override;

  const std::string& Text() const { return bytes_; }

 private:
  std::int64_t keep_limit_;
  std::string bytes_;
  std::int64_t position_ = 0;
};
