#pragma once
#include <cstddef>
#include <string>

// A plain growable byte buffer: the write batch.
class TNetSimpleBuffer {
 public:
  const char* Data() const { return bytes_.data(); }
  std::size_t Size() const { return bytes_.size(); }
  void Append(const char* data, std::size_t count) { bytes_.append(data, count); }
  void RemoveFront(std::size_t count) { bytes_.erase(0, count); }

 private:
  std::string bytes_;
};
