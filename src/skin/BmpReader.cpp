#include "skin/BmpReader.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "skin/SkinError.h"

namespace skin {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
// Far beyond any skin picture, and small enough that a forged header cannot
// make the reader allocate more than a few tens of megabytes.
constexpr std::int64_t kMaxSide = 16384;
constexpr std::int64_t kMaxPixels = 16 << 20;

enum Compression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

[[noreturn]] void Invalid() { throw SkinError(kBitmapNotValid); }

constexpr std::uint32_t Opaque(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return 0xFF000000u | r << 16 | g << 8 | b;
}

struct InfoHeader {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::uint16_t bit_count = 0;
  std::uint32_t compression = 0;
  std::uint32_t colours_used = 0;
};

// One channel of a bit-field pixel, scaled to eight bits.
struct ChannelMask {
  std::uint32_t mask = 0;
  int shift = 0;
  std::uint32_t max = 0;

  explicit ChannelMask(std::uint32_t m) : mask(m) {
    if (mask == 0) return;
    while (((mask >> shift) & 1u) == 0) ++shift;
    max = mask >> shift;
  }
  std::uint32_t Extract(std::uint32_t pixel) const {
    if (max == 0) return 0;
    const std::uint64_t value = (pixel & mask) >> shift;
    return static_cast<std::uint32_t>((value * 255 + max / 2) / max);
  }
};

struct BitFields {
  ChannelMask red, green, blue;
  std::uint32_t Colour(std::uint32_t pixel) const {
    return Opaque(red.Extract(pixel), green.Extract(pixel), blue.Extract(pixel));
  }
};

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

std::vector<std::uint32_t> ReadPalette(std::string_view image, std::size_t offset, int entries) {
  if (offset + static_cast<std::size_t>(entries) * 4 > image.size()) Invalid();
  std::vector<std::uint32_t> palette(static_cast<std::size_t>(entries));
  for (int i = 0; i < entries; ++i) {
    const auto* quad = reinterpret_cast<const unsigned char*>(image.data() + offset + i * 4);
    palette[static_cast<std::size_t>(i)] = Opaque(quad[2], quad[1], quad[0]);
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
               const BitFields& fields, std::uint32_t* out) {
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

// Rows of uncompressed pixel bits are padded to whole 32-bit words.
std::size_t Stride(const InfoHeader& info) {
  return ((static_cast<std::size_t>(info.width) * info.bit_count + 31) / 32) * 4;
}

// Called once the pixel bits are known to hold every row.
void DecodeUncompressed(std::string_view bits, const InfoHeader& info,
                        const std::vector<std::uint32_t>& palette, const BitFields& fields,
                        platform::Bitmap& bitmap, PixelSink& sink) {
  const std::size_t stride = Stride(info);
  const auto* data = reinterpret_cast<const unsigned char*>(bits.data());
  for (int row = 0; row < bitmap.height; ++row) {
    DecodeRow(data + static_cast<std::size_t>(row) * stride, bitmap.width, info.bit_count, palette, fields,
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
    Invalid();  // an escape cut off by the end of the image
  }
}

InfoHeader ReadInfoHeader(ByteReader& in) {
  if (in.ReadUInt32() != kInfoHeaderSize) Invalid();
  InfoHeader info;
  info.width = in.ReadInt32();
  info.height = in.ReadInt32();
  if (in.ReadUInt16() != 1) Invalid();  // planes
  info.bit_count = in.ReadUInt16();
  info.compression = in.ReadUInt32();
  in.ReadBytes(12);  // image size and resolution: nothing here depends on them
  info.colours_used = in.ReadUInt32();
  in.ReadUInt32();  // important colours
  return info;
}

bool SupportedFormat(const InfoHeader& info) {
  switch (info.compression) {
    case kRgb:
      return info.bit_count == 1 || info.bit_count == 4 || info.bit_count == 8 ||
             info.bit_count == 16 || info.bit_count == 24 || info.bit_count == 32;
    case kRle8: return info.bit_count == 8 && info.height > 0;
    case kRle4: return info.bit_count == 4 && info.height > 0;
    case kBitFields: return info.bit_count == 16 || info.bit_count == 32;
    default: return false;
  }
}

BitFields DefaultBitFields(int bit_count) {
  if (bit_count == 16) return {ChannelMask(0x7C00), ChannelMask(0x03E0), ChannelMask(0x001F)};
  return {ChannelMask(0xFF0000), ChannelMask(0x00FF00), ChannelMask(0x0000FF)};
}

platform::Bitmap DecodeImage(std::string_view image) {
  ByteReader in(image);
  in.ReadBytes(kFileHeaderSize - 4);
  const std::uint32_t bits_offset = in.ReadUInt32();
  const InfoHeader info = ReadInfoHeader(in);
  if (!SupportedFormat(info)) Invalid();
  const std::int64_t width = info.width;
  const std::int64_t height = std::llabs(static_cast<std::int64_t>(info.height));
  if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide || width * height > kMaxPixels) {
    Invalid();
  }

  BitFields fields = DefaultBitFields(info.bit_count);
  if (info.compression == kBitFields) {
    fields = {ChannelMask(in.ReadUInt32()), ChannelMask(in.ReadUInt32()), ChannelMask(in.ReadUInt32())};
  }
  std::vector<std::uint32_t> palette;
  if (info.bit_count <= 8) {
    const std::uint32_t full = 1u << info.bit_count;
    const std::uint32_t used = info.colours_used == 0 || info.colours_used > full ? full : info.colours_used;
    palette = ReadPalette(image, in.Position(), static_cast<int>(used));
  }
  if (bits_offset < in.Position() || bits_offset > image.size()) Invalid();
  const std::string_view bits = image.substr(bits_offset);
  const bool run_length = info.compression == kRle8 || info.compression == kRle4;
  // Uncompressed bits that cannot hold every row are refused before the
  // bitmap is allocated, so that a small file claiming a large picture
  // costs nothing. Run-length data may fill a large picture from a few
  // bytes and is bounded by kMaxPixels alone.
  if (!run_length && Stride(info) * static_cast<std::size_t>(height) > bits.size()) Invalid();

  platform::Bitmap bitmap = platform::Bitmap::Argb(static_cast<int>(width), static_cast<int>(height));
  PixelSink sink(bitmap, info.height > 0);
  if (run_length) {
    DecodeRunLength(bits, info.compression == kRle4, palette, bitmap, sink);
  } else {
    DecodeUncompressed(bits, info, palette, fields, bitmap, sink);
  }
  return bitmap;
}

}  // namespace

platform::Bitmap ReadBmpImage(ByteReader& reader) {
  std::string_view head = reader.Rest();
  if (head.size() < kFileHeaderSize + kInfoHeaderSize || head[0] != 'B' || head[1] != 'M') Invalid();
  ByteReader size_field(head.substr(2, 4));
  const std::uint32_t size = size_field.ReadUInt32();
  if (size < kFileHeaderSize + kInfoHeaderSize || size > head.size()) Invalid();
  try {
    platform::Bitmap bitmap = DecodeImage(head.substr(0, size));
    reader.ReadBytes(size);
    return bitmap;
  } catch (const SkinError&) {
    Invalid();
  }
}

}  // namespace skin
