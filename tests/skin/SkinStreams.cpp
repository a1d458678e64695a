#include "skin/SkinStreams.h"

#include "skin/Zlib.h"

namespace skintest {

void AppendUInt16(std::string& out, std::uint16_t value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>(value >> 8));
}

void AppendUInt32(std::string& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

std::string BmpImage(int width, int height, int bit_count, std::uint32_t compression,
                     const std::string& extra, const std::string& bits, std::uint32_t colours_used) {
  return BmpImageWithMasks(40, {}, width, height, bit_count, compression, extra, bits, colours_used);
}

std::string BmpImageWithMasks(std::uint32_t header_size, const std::array<std::uint32_t, 4>& masks, int width,
                              int height, int bit_count, std::uint32_t compression, const std::string& extra,
                              const std::string& bits, std::uint32_t colours_used) {
  const std::uint32_t offset = 14 + header_size + static_cast<std::uint32_t>(extra.size());
  std::string out = "BM";
  AppendUInt32(out, offset + static_cast<std::uint32_t>(bits.size()));
  AppendUInt32(out, 0);
  AppendUInt32(out, offset);
  AppendUInt32(out, header_size);
  AppendUInt32(out, static_cast<std::uint32_t>(width));
  AppendUInt32(out, static_cast<std::uint32_t>(height));
  AppendUInt16(out, 1);
  AppendUInt16(out, static_cast<std::uint16_t>(bit_count));
  AppendUInt32(out, compression);
  AppendUInt32(out, static_cast<std::uint32_t>(bits.size()));
  AppendUInt32(out, 2835);
  AppendUInt32(out, 2835);
  AppendUInt32(out, colours_used);
  AppendUInt32(out, 0);
  if (header_size > 40) {
    for (std::uint32_t mask : masks) AppendUInt32(out, mask);
    AppendUInt32(out, 0x73524742);  // colour space "sRGB"
    out.resize(14 + header_size, '\0');  // end points, gamma, intent, profile: unused
  }
  return out + extra + bits;
}

std::string Bmp24(int width, int height, const std::function<std::uint32_t(int, int)>& colour) {
  const int stride = (width * 3 + 3) & ~3;
  std::string bits;
  for (int row = height - 1; row >= 0; --row) {
    std::string line;
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = colour(x, row);
      line.push_back(static_cast<char>(c & 0xFF));
      line.push_back(static_cast<char>((c >> 8) & 0xFF));
      line.push_back(static_cast<char>((c >> 16) & 0xFF));
    }
    line.resize(static_cast<std::size_t>(stride), '\0');
    bits += line;
  }
  return BmpImage(width, height, 24, 0, {}, bits);
}

std::string SkinIni(const std::vector<std::string>& objects, const std::vector<std::string>& controls,
                    const std::string& entry_sections) {
  std::string ini = "[VERSION]\r\nskinname=Test\r\n[PICTURES]\r\n[FORMINFO]\r\n";
  ini += "[SKINOBJECTS]\r\ncount=" + std::to_string(objects.size()) + "\r\n";
  for (std::size_t i = 0; i < objects.size(); ++i) ini += std::to_string(i) + "=" + objects[i] + "\r\n";
  ini += "[SKINCONTROLS]\r\ncount=" + std::to_string(controls.size()) + "\r\n";
  for (std::size_t i = 0; i < controls.size(); ++i) ini += std::to_string(i) + "=" + controls[i] + "\r\n";
  return ini + entry_sections;
}

std::string SkinStream(int version, const StreamPictures& pictures, const std::string& ini) {
  std::string out;
  AppendUInt32(out, static_cast<std::uint32_t>(version));
  for (const std::string* picture : {&pictures.main, &pictures.inactive, &pictures.mask}) {
    out.push_back(picture->empty() ? 1 : 0);
    out += *picture;
  }
  AppendUInt32(out, static_cast<std::uint32_t>(pictures.active.size()));
  for (const std::string& picture : pictures.active) out += picture;
  return out + ini;
}

std::string CompressedFile(std::int32_t version, std::int32_t length, const std::string& bytes) {
  std::string out;
  AppendUInt32(out, static_cast<std::uint32_t>(version));
  AppendUInt32(out, static_cast<std::uint32_t>(length));
  return out + bytes;
}

std::string CompressedFile(const std::string& stream) {
  const std::string zlib = skin::DeflateZlib(stream);
  return CompressedFile(3, static_cast<std::int32_t>(zlib.size()), zlib);
}

}  // namespace skintest
