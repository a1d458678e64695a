// bench_gif_frames ENGINE FILE: one whole process that reads FILE and
// composes every frame of it in order, as a viewer showing the animation
// once would, with ENGINE "tarvik" (the banner's load and our composer) or
// "giflib" (the file read whole, giflib's decoder and the usual
// composition). compare_processes.py times the two as processes, so that
// start-up, allocation and page faults count.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "GiflibFrames.h"
#include "gif/GifFrameComposer.h"
#include "gif/TGIFImage.h"
#include "platform/FileSystem.h"

namespace {

// One pixel of every composed frame goes into the sum that is printed, so
// that no composition can be left out.
std::uint32_t g_sum = 0;

void Shown(const std::uint32_t* pixels) { g_sum += pixels[0]; }

void ComposeWithTarvik(const char* path) {
  gif::TGIFImage image;
  image.LoadFile(path);
  gif::GifFrameComposer composer(image);
  for (int i = 0; i < image.FrameCount(); ++i) {
    gif::TColor key = gif::clNone;
    Shown(composer.ComposeFrame(i, key).pixels.data());
  }
}

}  // namespace

int main(int argc, char** argv) {
  const bool tarvik = argc == 3 && std::strcmp(argv[1], "tarvik") == 0;
  const bool giflib = argc == 3 && std::strcmp(argv[1], "giflib") == 0;
  if (!tarvik && !giflib) {
    std::fprintf(stderr, "usage: bench_gif_frames tarvik|giflib FILE\n");
    return 2;
  }
  try {
    std::vector<std::uint32_t> canvas;
    if (tarvik)
      ComposeWithTarvik(argv[2]);
    else if (!gif_bench::ComposeWithGiflib(platform::ReadWholeFile(argv[2]), canvas, Shown))
      throw std::runtime_error("giflib could not read the GIF");
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  std::printf("%08x\n", g_sum);
  return 0;
}
