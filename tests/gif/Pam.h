#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace gif_test {

// A PAM picture as RGBA; grey and alpha-less files are widened on reading.
struct PamPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;

  const std::uint8_t* At(int x, int y) const { return &rgba[(static_cast<std::size_t>(y) * width + x) * 4]; }
};

// Reads a P7 file of 8-bit samples, 1 to 4 channels; throws when it is not one.
PamPicture ReadPam(const std::string& path);

}  // namespace gif_test
