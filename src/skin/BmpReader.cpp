#include "skin/BmpReader.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/BmpBitFields.h"
#include "skin/BmpHeader.h"
#include "skin/SkinError.h"

namespace skin {
namespace {

constexpr std::uint32_t Opaque(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return 0xFF000000u | r << 16 | g << 8 | b;
}

// Pixel rows land bottom-up unless the height says top-down.
class PixelSink {
 public:
  PixelSink(platform::Bitmap& bitmap, bool bottom_up) : bitmap_(bitmap), bottom_up_(bottom_up) {}
  std::uint32_t* Row(int file_row) {
    return bitmap_.Row(bottom_up_ ? bitmap_.height - 1 - file_row : file_row);
  }

 private:
  platform::Bitmap& bitmap_;
  bool bottom_up_;
};

std::vector<std::uint32_t> ReadPalette(std::string_view image, const BmpHeader& header) {
  std::vector<std::uint32_t> palette(header.colour_table_entries);
  for (std::size_t i = 0; i < palette.size(); ++i) {
    const auto* quad = reinterpret_cast<const unsigned char*>(image.data() + header.colour_table_offset + i * 4);
    palette[i] = Opaque(quad[2], quad[1], quad[0]);
  }
  return palette;
}

std::uint32_t PaletteColour(const std::vector<std::uint32_t>& palette, unsigned index) {
  // Windows draws an index beyond the table as black; so do we.
  return index < palette.size() ? palette[index] : Opaque(0, 0, 0);
}

// One row of pixel bits into colours; the bit count is decided once per row,
// not once per pixel.
void DecodeRow(const unsigned char* src, int width, int bit_count, const std::vector<std::uint32_t>& palette,
               const BmpBitFields& fields, std::uint32_t* out) {
  switch (bit_count) {
    case 1:
      for (int x = 0; x < width; ++x) out[x] = PaletteColour(palette, (src[x >> 3] >> (7 - (x & 7))) & 1u);
      break;
    case 4:
      for (int x = 0; x < width; ++x) out[x] = PaletteColour(palette, (src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xFu);
      break;
    case 8:
      for (int x = 0; x < width; ++x) out[x] = PaletteColour(palette, src[x]);
      break;
    case 16:
      for (int x = 0; x < width; ++x) out[x] = fields.Colour(src[2 * x] | src[2 * x + 1] << 8);
      break;
    case 24:
      for (int x = 0; x < width; ++x) out[x] = Opaque(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
      break;
    default:
      for (int x = 0; x < width; ++x) {
        const unsigned char* p = src + 4 * x;
        out[x] = fields.Colour(p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24);
      }
  }
}

// Called once the pixel bits are known to hold every row.
void DecodeUncompressed(std::string_view bits, const BmpHeader& header, const std::vector<std::uint32_t>& palette,
                        platform::Bitmap& bitmap, PixelSink& sink) {
  const BmpBitFields fields{BmpChannel(header.masks[0]), BmpChannel(header.masks[1]), BmpChannel(header.masks[2])};
  const std::size_t stride = header.Stride();
  const auto* data = reinterpret_cast<const unsigned char*>(bits.data());
  for (int row = 0; row < bitmap.height; ++row) {
    DecodeRow(data + static_cast<std::size_t>(row) * stride, bitmap.width, header.bit_count, palette, fields,
              sink.Row(row));
  }
}

// RLE4 and RLE8: runs and absolute blocks of palette indexes with escapes for
// end of line, end of bitmap and a cursor jump. Pixels that fall outside the
// bitmap are dropped; pixels the data never reaches keep palette entry 0.
void DecodeRunLength(std::string_view bits, bool four_bit, const std::vector<std::uint32_t>& palette,
                     platform::Bitmap& bitmap, PixelSink& sink) {
  const std::uint32_t background = PaletteColour(palette, 0);
  for (int y = 0; y < bitmap.height; ++y) std::fill_n(sink.Row(y), bitmap.width, background);
  ByteReader in(bits);
  std::int64_t x = 0;
  std::int64_t y = 0;
  auto put = [&](unsigned index) {
    if (x < bitmap.width && y < bitmap.height) sink.Row(static_cast<int>(y))[x] = PaletteColour(palette, index);
    ++x;
  };
  try {
    while (in.Remaining() >= 2 && y < bitmap.height) {
      const unsigned count = in.ReadByte();
      const unsigned value = in.ReadByte();
      if (count > 0) {
        for (unsigned i = 0; i < count; ++i) put(four_bit ? ((i & 1) ? value & 0xFu : value >> 4) : value);
        continue;
      }
      if (value == 0) {
        x = 0;
        ++y;
      } else if (value == 1) {
        break;
      } else if (value == 2) {
        x += in.ReadByte();
        y += in.ReadByte();
      } else {
        const std::size_t bytes = four_bit ? (value + 1) / 2 : value;
        std::string_view block = in.ReadBytes(bytes + (bytes & 1));
        for (unsigned i = 0; i < value; ++i) {
          const auto byte = static_cast<unsigned char>(block[four_bit ? i / 2 : i]);
          put(four_bit ? ((i & 1) ? byte & 0xFu : byte >> 4) : byte);
        }
      }
    }
  } catch (const SkinError&) {
    RefuseBitmap("its run-length data ends inside an escape");
  }
}

platform::Bitmap DecodeImage(std::string_view image) {
  const BmpHeader header = ReadBmpHeader(image);
  const std::vector<std::uint32_t> palette = ReadPalette(image, header);
  const std::string_view bits = image.substr(header.bits_offset);
  // Uncompressed bits that cannot hold every row are refused before the
  // bitmap is allocated, so that a small file claiming a large picture
  // costs nothing. Run-length data may fill a large picture from a few
  // bytes and is bounded by the header's pixel limit alone.
  const std::size_t needed = header.Stride() * static_cast<std::size_t>(header.Height());
  if (!header.RunLength() && needed > bits.size()) {
    RefuseBitmap("its pixel bits hold " + std::to_string(bits.size()) + " bytes of the " + std::to_string(needed) +
                 " its rows need");
  }

  platform::Bitmap bitmap = platform::Bitmap::Argb(header.width, header.Height());
  PixelSink sink(bitmap, header.BottomUp());
  if (header.RunLength()) {
    DecodeRunLength(bits, header.compression == kBmpRle4, palette, bitmap, sink);
  } else {
    DecodeUncompressed(bits, header, palette, bitmap, sink);
  }
  return bitmap;
}

}  // namespace

platform::Bitmap ReadBmpImage(ByteReader& reader) {
  const std::string_view rest = reader.Rest();
  if (!rest.starts_with("BM")) RefuseBitmap("it does not start with \"BM\"");
  if (rest.size() < 6) RefuseBitmap("it ends inside its file header");
  const std::uint32_t size = ByteReader(rest.substr(2, 4)).ReadUInt32();
  if (size > rest.size()) {
    RefuseBitmap("its file header gives a length of " + std::to_string(size) + " bytes, but only " +
                 std::to_string(rest.size()) + " are there");
  }
  platform::Bitmap bitmap = DecodeImage(rest.substr(0, size));
  reader.ReadBytes(size);
  return bitmap;
}

}  // namespace skin
