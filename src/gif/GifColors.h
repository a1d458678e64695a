#pragma once
#include <cstdint>

namespace gif {

// A colour value as the rest of the program keeps it: red in the low byte,
// then green, then blue. Two values stand for no colour and for the window
// background, which only the window layer can resolve.
using TColor = std::uint32_t;

inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clWindow = 0xFF000005;
// Marks a colour as "nearest palette entry"; it carries no colour of its own.
inline constexpr TColor kPaletteRelative = 0x02000000;

inline constexpr TColor ColorFromRgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return TColor{r} | TColor{g} << 8 | TColor{b} << 16;
}

// The opaque 0xAARRGGBB pixel of a colour value; the high byte is ignored.
inline constexpr std::uint32_t ArgbFromColor(TColor color) {
  return 0xFF000000u | (color & 0xFF) << 16 | (color & 0xFF00) | (color >> 16 & 0xFF);
}

inline constexpr std::uint32_t kRgbMask = 0x00FFFFFF;

}  // namespace gif
