#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "skin/SkinError.h"

namespace skin {

// Reads little-endian values from a byte range; a read past its end throws
// "Stream read error" instead of touching memory beyond it.
class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

  std::size_t Remaining() const { return bytes_.size() - position_; }
  std::size_t Position() const { return position_; }

  std::uint8_t ReadByte() { return static_cast<std::uint8_t>(ReadBytes(1)[0]); }

  std::uint16_t ReadUInt16() {
    std::string_view b = ReadBytes(2);
    return static_cast<std::uint16_t>(Byte(b, 0) | Byte(b, 1) << 8);
  }

  std::uint32_t ReadUInt32() {
    std::string_view b = ReadBytes(4);
    return Byte(b, 0) | Byte(b, 1) << 8 | Byte(b, 2) << 16 | Byte(b, 3) << 24;
  }

  std::int32_t ReadInt32() { return static_cast<std::int32_t>(ReadUInt32()); }

  std::string_view ReadBytes(std::size_t count) {
    if (count > Remaining()) throw SkinError(kStreamReadError);
    std::string_view part = bytes_.substr(position_, count);
    position_ += count;
    return part;
  }

  // What is left without consuming it.
  std::string_view Rest() const { return bytes_.substr(position_); }

  std::string_view ReadRest() { return ReadBytes(Remaining()); }

 private:
  static std::uint32_t Byte(std::string_view b, std::size_t i) {
    return static_cast<std::uint8_t>(b[i]);
  }

  std::string_view bytes_;
  std::size_t position_ = 0;
};

}  // namespace skin
