#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace gif_bench {

// What giflib does for a program that shows every frame of a GIF: reads the
// whole GIF held in `bytes` (DGifSlurp), then composes the frames in order
// the usual way (disposal applied before the next frame, the transparent
// index left out, 32-bit pixels) into `canvas`, calling `shown` after each.
// False when giflib cannot read the GIF.
bool ComposeWithGiflib(const std::string& bytes, std::vector<std::uint32_t>& canvas, void (*shown)(const std::uint32_t*));

}  // namespace gif_bench
