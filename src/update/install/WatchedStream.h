#pragma once
#include <cstdint>
#include <functional>

#include "net/TNetStream.h"

namespace update {

// Passes a download on to another stream, refusing to grow it beyond a
// limit, and tells its owner the size after every piece, so that the owner
// can show progress, or end the download by throwing (a deadline passed,
// the user cancelled).
class TWatchedStream : public TNetStream {
 public:
  TWatchedStream(TNetStream& target, std::int64_t limit, std::function<void(std::int64_t size)> after_write)
      : target_(target), limit_(limit), after_write_(std::move(after_write)) {}

  void Write(const char* data, std::size_t count) override;
  std::int64_t Position() const override { return target_.Position(); }
  void SetPosition(std::int64_t position) override { target_.SetPosition(position); }
  std::int64_t Size() const override { return target_.Size(); }
  void SetSize(std::int64_t size) override;
  void Reserve(std::int64_t count) override;

 private:
  TNetStream& target_;
  std::int64_t limit_;
  std::function<void(std::int64_t)> after_write_;
};

}  // namespace update
