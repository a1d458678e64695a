#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "gif/GifErrors.h"

namespace gif {

// Reads a GIF held in memory. Some parts of the format are read leniently
// (what is missing reads as zero), others exactly (missing bytes fail with
// "Stream read error"); every read stays inside the data.
class GifByteReader {
 public:
  explicit GifByteReader(std::string_view data) : data_(data) {}

  bool AtEnd() const { return pos_ >= data_.size(); }
  std::size_t Position() const { return pos_; }
  std::size_t Remaining() const { return data_.size() - pos_; }

  std::uint8_t ReadByteLenient() {
    return AtEnd() ? 0 : static_cast<std::uint8_t>(data_[pos_++]);
  }
  void ReadLenient(std::uint8_t* out, std::size_t count) {
    const std::size_t available = count < Remaining() ? count : Remaining();
    std::memcpy(out, data_.data() + pos_, available);
    std::memset(out + available, 0, count - available);
    pos_ += available;
  }
  std::uint8_t ReadByteExact() {
    if (AtEnd()) throw EGIFError(kStreamReadError);
    return static_cast<std::uint8_t>(data_[pos_++]);
  }
  void ReadExact(std::uint8_t* out, std::size_t count) {
    if (count > Remaining()) throw EGIFError(kStreamReadError);
    std::memcpy(out, data_.data() + pos_, count);
    pos_ += count;
  }
  // The bytes from `from` to `to` already passed.
  std::string_view Passed(std::size_t from, std::size_t to) const { return data_.substr(from, to - from); }
  // The next `count` bytes without copying them; exact.
  std::string_view TakeExact(std::size_t count) {
    if (count > Remaining()) throw EGIFError(kStreamReadError);
    std::string_view taken = data_.substr(pos_, count);
    pos_ += count;
    return taken;
  }

 private:
  std::string_view data_;
  std::size_t pos_ = 0;
};

}  // namespace gif
