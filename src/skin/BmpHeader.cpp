#include "skin/BmpHeader.h"

#include <algorithm>
#include <string>

#include "skin/ByteReader.h"
#include "skin/SkinError.h"

namespace skin {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
// The information header versions: the first three masks follow a 40-byte
// header when the compression says bit fields; every later version holds
// them itself, at the same place, and adds an alpha mask (56), colour space
// and gamma (108, version 4) and a rendering intent and colour profile
// (124, version 5). Pixels stay opaque and colours are taken as they are,
// so none of those additions is read.
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kMaskBytes = 12;
constexpr std::array<std::uint32_t, 5> kKnownInfoHeaderSizes = {40, 52, 56, 108, 124};
// Far beyond any skin picture, and small enough that a forged header cannot
// make the reader allocate more than a few tens of megabytes.
constexpr std::int64_t kMaxSide = 16384;
constexpr std::int64_t kMaxPixels = 16 << 20;

std::string CompressionName(std::uint32_t compression) {
  static constexpr std::array<const char*, 7> kNames = {"none", "RLE8", "RLE4", "bit fields",
                                                        "JPEG", "PNG", "alpha bit fields"};
  return compression < kNames.size() ? kNames[compression] : "number " + std::to_string(compression);
}

bool SupportedFormat(std::uint32_t compression, int bit_count) {
  switch (compression) {
    case kBmpRgb:
      return bit_count == 1 || bit_count == 4 || bit_count == 8 || bit_count == 16 || bit_count == 24 ||
             bit_count == 32;
    case kBmpRle8: return bit_count == 8;
    case kBmpRle4: return bit_count == 4;
    case kBmpBitFields: return bit_count == 16 || bit_count == 32;
    default: return false;
  }
}

std::array<std::uint32_t, 3> DefaultMasks(int bit_count) {
  if (bit_count == 16) return {0x7C00, 0x03E0, 0x001F};
  return {0xFF0000, 0x00FF00, 0x0000FF};
}

void CheckSize(const BmpHeader& header) {
  const std::int64_t width = header.width;
  const std::int64_t height = header.height < 0 ? -static_cast<std::int64_t>(header.height) : header.height;
  if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) {
    RefuseBitmap("its size of " + std::to_string(width) + " x " + std::to_string(height) +
                 " pixels is not 1 to " + std::to_string(kMaxSide) + " a side");
  }
  if (width * height > kMaxPixels) {
    RefuseBitmap("its " + std::to_string(width * height) + " pixels are more than " + std::to_string(kMaxPixels));
  }
}

}  // namespace

BmpHeader ReadBmpHeader(std::string_view image) {
  if (image.size() < kFileHeaderSize + 4) RefuseBitmap("it ends inside its file header");
  ByteReader in(image);
  in.ReadBytes(kFileHeaderSize - 4);  // "BM", the size field the caller has read, two reserved words
  BmpHeader header;
  header.bits_offset = in.ReadUInt32();
  const std::uint32_t info_size = in.ReadUInt32();
  if (std::find(kKnownInfoHeaderSizes.begin(), kKnownInfoHeaderSizes.end(), info_size) ==
      kKnownInfoHeaderSizes.end()) {
    RefuseBitmap("its information header of " + std::to_string(info_size) +
                 " bytes is none of the known ones (40, 52, 56, 108 or 124 bytes)");
  }
  if (image.size() < kFileHeaderSize + info_size) RefuseBitmap("it ends inside its information header");

  header.width = in.ReadInt32();
  header.height = in.ReadInt32();
  const std::uint16_t planes = in.ReadUInt16();
  if (planes != 1) RefuseBitmap("it has " + std::to_string(planes) + " colour planes, not 1");
  header.bit_count = in.ReadUInt16();
  header.compression = in.ReadUInt32();
  in.ReadBytes(12);  // image size and resolution: nothing here depends on them
  const std::uint32_t colours_used = in.ReadUInt32();
  in.ReadUInt32();  // important colours

  if (!SupportedFormat(header.compression, header.bit_count)) {
    RefuseBitmap(std::to_string(header.bit_count) + " bits per pixel with compression " +
                 CompressionName(header.compression) + " is no format this reader decodes");
  }
  if (header.RunLength() && !header.BottomUp()) RefuseBitmap("its run-length rows are stored top-down");
  CheckSize(header);

  header.masks = DefaultMasks(header.bit_count);
  header.colour_table_offset = kFileHeaderSize + info_size;
  if (header.compression == kBmpBitFields) {
    // Right after a 40-byte header or inside a longer one: the same bytes.
    if (info_size == kInfoHeaderSize) header.colour_table_offset += kMaskBytes;
    if (image.size() < header.colour_table_offset) RefuseBitmap("it ends inside its colour masks");
    ByteReader masks(image.substr(kFileHeaderSize + kInfoHeaderSize, kMaskBytes));
    header.masks = {masks.ReadUInt32(), masks.ReadUInt32(), masks.ReadUInt32()};
  }

  if (header.bit_count <= 8) {
    const std::uint32_t full = 1u << header.bit_count;
    header.colour_table_entries = colours_used == 0 || colours_used > full ? full : colours_used;
    if (header.colour_table_offset + std::size_t{4} * header.colour_table_entries > image.size()) {
      RefuseBitmap("its colour table of " + std::to_string(header.colour_table_entries) +
                   " entries runs past its end");
    }
  }
  if (header.bits_offset < header.colour_table_offset || header.bits_offset > image.size()) {
    RefuseBitmap("its pixel bits start at byte " + std::to_string(header.bits_offset) + ", outside bytes " +
                 std::to_string(header.colour_table_offset) + " to " + std::to_string(image.size()));
  }
  return header;
}

}  // namespace skin
