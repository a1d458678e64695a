#pragma once
#include <cstdint>
#include <string>

#include "gif/GifErrors.h"

namespace gif {

// Frames and the logical screen come from outside data: a hostile 65535 x
// 65535 header must be refused before anything the size of it is allocated.
inline constexpr std::uint64_t kMaxPixelBytes = std::uint64_t{256} << 20;

// The decoded frames of one picture together stay within this: a small file
// may hold many frames each as large as a picture may be.
inline constexpr std::uint64_t kMaxDecodedFrameBytes = kMaxPixelBytes;

// `bytesPerPixel` is what the buffer that will hold the picture needs: one
// for a decoded frame, four for the composed logical screen.
inline void CheckPictureSize(const char* what, std::uint32_t width, std::uint32_t height,
                             unsigned bytesPerPixel) {
  if (std::uint64_t{width} * height * bytesPerPixel > kMaxPixelBytes)
    throw EGIFError(std::string("GIF ") + what + " of " + std::to_string(width) + " x " +
                    std::to_string(height) + " pixels is too large to show");
}

}  // namespace gif
