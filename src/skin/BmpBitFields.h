#pragma once
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

namespace skin {

// One colour channel of a 16- or 32-bit BMP pixel, given by its bit mask,
// as eight bits. A narrower channel repeats its bits downwards (five bits
// abcde give abcdeabc, as other readers widen them), so that zero stays
// black and a full channel full white; a wider one keeps its top eight bits.
class BmpChannel {
 public:
  explicit BmpChannel(std::uint32_t mask) : mask_(mask) {
    if (mask == 0) return;  // no such channel: always 0
    const int lowest = std::countr_zero(mask);
    const int width = std::bit_width(mask >> lowest);
    shift_ = lowest + std::max(0, width - 8);
    const int kept = std::min(width, 8);
    for (std::uint32_t value = 0; value < (1u << kept); ++value) eight_bits_[value] = Widen(value, kept);
  }

  std::uint32_t Extract(std::uint32_t pixel) const { return eight_bits_[(pixel & mask_) >> shift_]; }

 private:
  static std::uint8_t Widen(std::uint32_t value, int width) {
    std::uint32_t out = 0;
    int shift = 8 - width;
    for (; shift > 0; shift -= width) out |= value << shift;
    return static_cast<std::uint8_t>(out | value >> -shift);
  }

  std::uint32_t mask_;
  int shift_ = 0;
  std::array<std::uint8_t, 256> eight_bits_{};
};

struct BmpBitFields {
  BmpChannel red, green, blue;

  // The pixel as an opaque 0xAARRGGBB colour.
  std::uint32_t Colour(std::uint32_t pixel) const {
    return 0xFF000000u | red.Extract(pixel) << 16 | green.Extract(pixel) << 8 | blue.Extract(pixel);
  }
};

}  // namespace skin
