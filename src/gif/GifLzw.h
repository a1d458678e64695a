#pragma once
#include <cstdint>
#include <string_view>

namespace gif {

struct LzwTarget {
  std::uint8_t* pixels;  // width * height zeroed bytes, top-down rows
  int width;
  int height;
  bool interlaced;
};

// Decompresses a frame's encoded data (the code size byte, then the data
// sub-blocks) into palette indexes below 2^colorBits. Pixels the data does
// not reach stay 0. Returns whether the data was damaged: a code
// size outside 2..9, a code chain longer than the table, or data that ends
// before the last row.
bool DecodeLzw(std::string_view encoded, int colorBits, const LzwTarget& target);

}  // namespace gif
