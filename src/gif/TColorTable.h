#pragma once
#include <array>
#include <cstdint>

#include "gif/GifColors.h"

namespace gif {

// A GIF colour table: `Count` entries of red, green, blue in file order; the
// entries past the count are zero. Copied whole.
struct TColorTable {
  std::int32_t Count = 0;
  std::array<std::uint8_t, 256 * 3> Entries{};

  TColor Color(int index) const {
    const auto* rgb = &Entries[static_cast<std::size_t>(index) * 3];
    return ColorFromRgb(rgb[0], rgb[1], rgb[2]);
  }
  void Clear() { *this = TColorTable{}; }
};

}  // namespace gif
