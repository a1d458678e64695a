#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace gif_test {

// One image of a test GIF. Colours are 0xRRGGBB; a table's size must be a
// power of two from 2 to 256.
struct TestFrame {
  int left = 0;
  int top = 0;
  int width = 1;
  int height = 1;
  std::vector<std::uint8_t> pixels;  // row by row, as shown
  std::vector<std::uint32_t> localColors;
  bool interlaced = false;
  bool graphicControl = true;
  int transparentIndex = -1;
  int delayHundredths = 0;
  int disposal = 0;
  bool leadingClearCode = true;  // other writers may leave it out
};

// Writes GIF streams for tests: real LZW compression, so that decoding is
// exercised as with files from elsewhere.
class GifWriter {
 public:
  GifWriter(int width, int height, std::vector<std::uint32_t> globalColors, int backgroundIndex = 0,
            const char* version = "GIF89a");

  GifWriter& Loop(std::uint16_t count);
  GifWriter& Comment(const std::string& text);
  GifWriter& Frame(const TestFrame& frame);
  GifWriter& Raw(const std::string& bytes);
  std::string Finish(bool trailer = true) const;

 private:
  std::string bytes_;
};

// The code size byte, the data sub-blocks and the terminator for `pixels`.
std::string EncodeLzw(const std::vector<std::uint8_t>& pixels, int minCodeSize, bool leadingClearCode = true);

// Writes `bytes` to a fresh file under the test's temporary folder.
std::string WriteTempFile(const std::string& name, const std::string& bytes);

}  // namespace gif_test
