// Loads arbitrary bytes as a GIF (frame 0 left encoded until its size has
// been looked at), decodes every frame and composes them as the animator
// would, within a small limit on decoded frames, then draws a frame scaled:
// nothing may crash or touch memory outside its buffers.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

#include "gif/BitmapDrawing.h"
#include "gif/GifFrameComposer.h"
#include "gif/TGIFImage.h"

namespace {

// Large but valid pictures are the loader's business, not the fuzzer's: they
// only make each run slow.
constexpr std::int64_t kMaxFuzzPixels = 1 << 20;

bool SmallEnough(std::int64_t width, std::int64_t height) { return width * height <= kMaxFuzzPixels; }

// Room for a few small decoded frames only, so that frames are dropped and
// decoded again while others are drawn.
constexpr std::uint64_t kDecodedFrameLimit = 1 << 12;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  gif::TGIFImage image(kDecodedFrameLimit);
  try {
    image.LoadFromMemory(std::string(reinterpret_cast<const char*>(data), size), false);
  } catch (const std::exception&) {
    return 0;
  }
  if (image.FrameCount() == 0 || !SmallEnough(image.ScreenWidth(), image.ScreenHeight())) return 0;
  gif::GifFrameComposer composer(image);
  for (int i = 0; i < image.FrameCount() && i < 64; ++i) {
    gif::TGIFFrame& frame = image.Frame(i);
    if (!SmallEnough(frame.Item->Width, frame.Item->Height)) return 0;
    try {
      gif::TColor key = gif::clNone;
      composer.ComposeFrame(i, key);
      platform::Bitmap canvas = platform::Bitmap::Argb(7, 5);
      frame.FrameDraw(canvas, gif::Rect{-2, 1, 9, 3}, true);
    } catch (const std::exception&) {
    }
  }
  return 0;
}
