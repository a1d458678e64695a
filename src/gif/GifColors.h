#pragma once
#include <cstdint>

namespace gif {

// A colour value as the rest of the program keeps it: red in the low byte,
// then green, then blue; clNone stands for no colour.
using TColor = std::uint32_t;

inline constexpr TColor clNone = 0x1FFFFFFF;

inline constexpr TColor ColorFromRgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return TColor{r} | TColor{g} << 8 | TColor{b} << 16;
}

// The opaque 0xAARRGGBB pixel of a colour value; the high byte is ignored.
inline constexpr std::uint32_t ArgbFromColor(TColor color) {
  return 0xFF000000u | (color & 0xFF) << 16 | (color & 0xFF00) | (color >> 16 & 0xFF);
}

inline constexpr std::uint32_t kRgbMask = 0x00FFFFFF;

}  // namespace gif
