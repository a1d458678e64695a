#pragma once
#include "net/TNetStream.h"

// Swallows a body that nobody reads (a redirect's page), without keeping it
// in memory however long the server makes it.
class TNetNullStream : public TNetStream {
 public:
  void Write(const char* /*data*/, std::size_t count) override {
    position_ += static_cast<std::int64_t>(count);
    if (position_ > size_) size_ = position_;
  }
  std::int64_t Position() const override { return position_; }
  void SetPosition(std::int64_t position) override { position_ = position; }
  std::int64_t Size() const override { return size_; }
  void SetSize(std::int64_t size) override { size_ = size; }

 private:
  std::int64_t position_ = 0;
  std::int64_t size_ = 0;
};
