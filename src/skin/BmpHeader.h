#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace skin {

enum BmpCompression : std::uint32_t { kBmpRgb = 0, kBmpRle8 = 1, kBmpRle4 = 2, kBmpBitFields = 3 };

// What the headers of one BMP file image say, checked to describe a picture
// this program can decode.
struct BmpHeader {
  std::int32_t width = 0;
  std::int32_t height = 0;  // negative: rows stored top-down
  std::uint16_t bit_count = 0;
  std::uint32_t compression = kBmpRgb;
  std::array<std::uint32_t, 3> masks{};  // red, green, blue of 16- and 32-bit pixels
  std::size_t colour_table_offset = 0;   // from the start of the image
  std::uint32_t colour_table_entries = 0;
  std::uint32_t bits_offset = 0;

  int Height() const { return height < 0 ? -height : height; }
  bool BottomUp() const { return height > 0; }
  bool RunLength() const { return compression == kBmpRle8 || compression == kBmpRle4; }
  // Bytes of one uncompressed row, padded to whole 32-bit words.
  std::size_t Stride() const { return ((static_cast<std::size_t>(width) * bit_count + 31) / 32) * 4; }
};

// Reads the file header and the information header (40 bytes, or 52, 56,
// 108 or 124 with the colour masks inside it) of `image`, the whole file
// image. Throws SkinError "Bitmap image is not valid", with the reason
// nested, for headers that do not fit in the image or describe a picture
// this program cannot decode or does not take (too large a side or area).
BmpHeader ReadBmpHeader(std::string_view image);

}  // namespace skin
