#pragma once
#include <cstdint>

#include "net/ENetHTTPExceptions.h"
#include "net/TNetStream.h"

// Hands a body on to another stream only while it stays within a size, for
// documents that are small by nature (an update description): a larger one
// raises ENetBodyTooLarge before any byte beyond the limit reaches the
// stream, and at once when its length is announced up front, so neither
// memory nor disk nor the wait grows with what a server chooses to send.
class TNetLimitedStream : public TNetStream {
 public:
  // The limit counts from the stream's position now.
  TNetLimitedStream(TNetStream& inner, std::int64_t limit)
      : inner_(inner), limit_(limit), end_(inner.Position() + limit) {}

  void Write(const char* data, std::size_t count) override {
    RefuseBeyondEnd(static_cast<std::int64_t>(count));
    inner_.Write(data, count);
  }
  std::int64_t Position() const override { return inner_.Position(); }
  void SetPosition(std::int64_t position) override { inner_.SetPosition(position); }
  std::int64_t Size() const override { return inner_.Size(); }
  void SetSize(std::int64_t size) override { inner_.SetSize(size); }
  void Reserve(std::int64_t count) override {
    RefuseBeyondEnd(count);
    inner_.Reserve(count);
  }

 private:
  void RefuseBeyondEnd(std::int64_t count) const {
    if (count > end_ - inner_.Position()) throw ENetBodyTooLarge(limit_);
  }

  TNetStream& inner_;
  std::int64_t limit_;
  std::int64_t end_;
};
