#include "GiflibFrames.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>

namespace gif_bench {
namespace {

struct MemoryReader {
  const std::string* bytes;
  std::size_t pos = 0;
};

int ReadFromMemory(GifFileType* file, GifByteType* out, int count) {
  auto* reader = static_cast<MemoryReader*>(file->UserData);
  const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(count), reader->bytes->size() - reader->pos);
  std::memcpy(out, reader->bytes->data() + reader->pos, n);
  reader->pos += n;
  return static_cast<int>(n);
}

void Compose(const GifFileType& file, std::vector<std::uint32_t>& canvas, void (*shown)(const std::uint32_t*)) {
  const int width = file.SWidth;
  const int height = file.SHeight;
  canvas.assign(static_cast<std::size_t>(width) * height, 0);
  std::vector<std::uint32_t> saved;
  for (int f = 0; f < file.ImageCount; ++f) {
    const SavedImage& image = file.SavedImages[f];
    GraphicsControlBlock control{};
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    DGifSavedExtensionToGCB(const_cast<GifFileType*>(&file), f, &control);
    const ColorMapObject* map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : file.SColorMap;
    if (!map) continue;
    std::uint32_t colors[256];
    for (int i = 0; i < 256; ++i) {
      const GifColorType c = map->Colors[i < map->ColorCount ? i : 0];
      colors[i] = 0xFF000000u | c.Red << 16 | c.Green << 8 | c.Blue;
    }
    if (control.DisposalMode == DISPOSE_PREVIOUS) saved = canvas;
    const GifImageDesc& d = image.ImageDesc;
    for (int y = 0; y < d.Height && d.Top + y < height; ++y) {
      const GifByteType* from = image.RasterBits + static_cast<std::size_t>(y) * d.Width;
      std::uint32_t* to = canvas.data() + static_cast<std::size_t>(d.Top + y) * width + d.Left;
      const int count = std::min(d.Width, width - d.Left);
      for (int x = 0; x < count; ++x)
        if (from[x] != control.TransparentColor) to[x] = colors[from[x]];
    }
    shown(canvas.data());
    if (control.DisposalMode == DISPOSE_BACKGROUND) {
      for (int y = 0; y < d.Height && d.Top + y < height; ++y)
        std::fill_n(canvas.data() + static_cast<std::size_t>(d.Top + y) * width + d.Left,
                    std::min(d.Width, width - d.Left), 0u);
    } else if (control.DisposalMode == DISPOSE_PREVIOUS) {
      canvas.swap(saved);
    }
  }
}

}  // namespace

bool ComposeWithGiflib(const std::string& bytes, std::vector<std::uint32_t>& canvas, void (*shown)(const std::uint32_t*)) {
  MemoryReader reader{&bytes};
  int error = 0;
  GifFileType* file = DGifOpen(&reader, ReadFromMemory, &error);
  const bool read = file && DGifSlurp(file) == GIF_OK;
  if (read) Compose(*file, canvas, shown);
  if (file) DGifCloseFile(file, &error);
  return read;
}

}  // namespace gif_bench
