#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

// The pixels the Qt-free cores hand to the window system layer, which wraps
// them in a QImage without copying. Rows run top-down and are packed: a row
// of an indexed bitmap is `width` bytes, a row of a 32-bit bitmap `width`
// pixels. 32-bit pixels are 0xAARRGGBB in native order (QImage::Format_ARGB32);
// palette entries use the same layout.
struct Bitmap {
  enum class Format { Indexed8, Argb32 };

  int width = 0;
  int height = 0;
  Format format = Format::Argb32;
  std::vector<std::uint8_t> indexes;   // Indexed8: width * height palette indexes
  std::vector<std::uint32_t> pixels;   // Argb32: width * height pixels
  std::vector<std::uint32_t> palette;  // Indexed8: the colours the indexes name

  static Bitmap Indexed(int w, int h) {
    Bitmap b;
    b.width = w;
    b.height = h;
    b.format = Format::Indexed8;
    b.indexes.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
    return b;
  }
  static Bitmap Argb(int w, int h, std::uint32_t fill = 0) {
    Bitmap b;
    b.width = w;
    b.height = h;
    b.format = Format::Argb32;
    const std::size_t count = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
    // Zeroing goes through memset; filling with a value is a loop of stores,
    // several times slower on full-screen bitmaps.
    if (fill == 0) {
      b.pixels.resize(count);
    } else {
      b.pixels.assign(count, fill);
    }
    return b;
  }

  bool IsEmpty() const { return width <= 0 || height <= 0; }

  std::uint32_t* Row(int y) { return pixels.data() + static_cast<std::size_t>(y) * width; }
  const std::uint32_t* Row(int y) const {
    return pixels.data() + static_cast<std::size_t>(y) * width;
  }
  std::uint32_t& At(int x, int y) { return Row(y)[x]; }
  std::uint32_t At(int x, int y) const { return Row(y)[x]; }
};

}  // namespace platform
