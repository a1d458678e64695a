#pragma once
#include <cstddef>
#include <cstdint>

// Where a body goes: a seekable byte sink with a position and a size. Writes
// go at the position and move it; writing past the end grows the stream.
class TNetStream {
 public:
  virtual ~TNetStream() = default;

  virtual void Write(const char* data, std::size_t count) = 0;
  virtual std::int64_t Position() const = 0;
  virtual void SetPosition(std::int64_t position) = 0;
  virtual std::int64_t Size() const = 0;
  // Cuts or extends the stream; the position is left where it was.
  virtual void SetSize(std::int64_t size) = 0;
  // A hint that `count` more bytes are coming, so that storage is set aside
  // once; the size does not change.
  virtual void Reserve(std::int64_t /*count*/) {}
};
