#pragma once
#include <cstddef>
#include <string>

// A plain growable byte buffer: the receive scratch space and the write batch.
class TNetSimpleBuffer {
 public:
  explicit TNetSimpleBuffer(std::size_t size = 0) : bytes_(size, '\0') {}

  char* Data() { return bytes_.data(); }
  const char* Data() const { return bytes_.data(); }
  std::size_t Size() const { return bytes_.size(); }
  void Resize(std::size_t size) { bytes_.resize(size); }
  void Append(const char* data, std::size_t count) { bytes_.append(data, count); }
  void RemoveFront(std::size_t count) { bytes_.erase(0, count); }
  void Clear() { bytes_.clear(); }

 private:
  std::string bytes_;
};
