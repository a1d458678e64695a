#pragma once
#include <cstdint>
#include <functional>

#include "net/TNetLimitedStream.h"
#include "net/TNetStream.h"

namespace update {

// Passes a download on to another stream within a size limit (a larger body
// raises ENetBodyTooLarge, as for the program's update description), and
// tells its owner the size after every piece, so that the owner can show
// progress, or end the download by throwing (a deadline passed, the user
// cancelled).
class TWatchedStream : public TNetStream {
 public:
  TWatchedStream(TNetStream& target, std::int64_t limit, std::function<void(std::int64_t size)> after_write)
      : limited_(target, limit), after_write_(std::move(after_write)) {}

  void Write(const char* data, std::size_t count) override {
    limited_.Write(data, count);
    after_write_(limited_.Size());
  }
  std::int64_t Position() const override { return limited_.Position(); }
  void SetPosition(std::int64_t position) override { limited_.SetPosition(position); }
  std::int64_t Size() const override { return limited_.Size(); }
  void SetSize(std::int64_t size) override { limited_.SetSize(size); }
  void Reserve(std::int64_t count) override { limited_.Reserve(count); }

 private:
  TNetLimitedStream limited_;
  std::function<void(std::int64_t)> after_write_;
};

}  // namespace update
