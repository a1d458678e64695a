#include "PamWriter.h"

#include "platform/FileSystem.h"

void WritePam(const std::string& path, const platform::Bitmap& picture) {
  std::string bytes = "P7\nWIDTH " + std::to_string(picture.width) + "\nHEIGHT " +
                      std::to_string(picture.height) + "\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
  bytes.reserve(bytes.size() + picture.pixels.size() * 4);
  for (const std::uint32_t argb : picture.pixels) {
    bytes.push_back(static_cast<char>(argb >> 16 & 0xFF));
    bytes.push_back(static_cast<char>(argb >> 8 & 0xFF));
    bytes.push_back(static_cast<char>(argb & 0xFF));
    bytes.push_back(static_cast<char>(argb >> 24 & 0xFF));
  }
  platform::WriteWholeFileAtomically(path, bytes);
}
