// Decoding and composing every frame of large animated GIFs, ours next to
// giflib (DGifSlurp plus the same composition), with the time ratio printed
// at the end. The GIFs are made by ImageMagick on the first run and kept.
#include <benchmark/benchmark.h>
#include <gif_lib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "gif/GifFrameComposer.h"
#include "gif/TGIFImage.h"
#include "platform/FileSystem.h"

namespace {

struct BenchGif {
  const char* name;
  const char* options;  // ImageMagick options for writing
};

const BenchGif kGifs[] = {
    {"full", ""},
    {"interlaced", "-interlace GIF"},
};

// 800 x 600, 50 frames, each quantised on its own so that each has its own
// colour table.
std::string MakeGif(const BenchGif& gif) {
  const std::string folder = std::filesystem::temp_directory_path() / "tarvik-gif-bench";
  const std::string path = folder + "/" + gif.name + ".gif";
  if (platform::FileExists(path)) return path;
  std::filesystem::create_directories(folder);
  const std::string base = folder + "/base.png";
  if (!platform::FileExists(base) &&
      std::system(("convert -seed 3 -size 800x600 plasma:fractal '" + base + "'").c_str()) != 0)
    throw std::runtime_error("ImageMagick's convert is needed to make the benchmark GIFs");
  std::string command = "convert -delay 5 -loop 0";
  for (int i = 0; i < 50; ++i)
    command += " \\( '" + base + "' -roll +" + std::to_string(i * 16) + "+" + std::to_string(i * 4) +
               " -modulate 100,100," + std::to_string(100 + i) + " -colors 256 \\)";
  command += std::string(" ") + gif.options + " 'GIF:" + path + ".part' && mv '" + path + ".part' '" + path + "'";
  if (std::system(command.c_str()) != 0) throw std::runtime_error("could not make " + path);
  return path;
}

const std::string& GifBytes(const BenchGif& gif) {
  static std::map<std::string, std::string> cache;
  auto [it, added] = cache.try_emplace(gif.name);
  if (added) it->second = platform::ReadWholeFile(MakeGif(gif));
  return it->second;
}

void BM_Tarvik(benchmark::State& state, const BenchGif* gif) {
  const std::string& bytes = GifBytes(*gif);
  for (auto _ : state) {
    gif::TGIFImage image;
    image.LoadFromMemory(bytes);
    gif::GifFrameComposer composer(image);
    for (int i = 0; i < image.FrameCount(); ++i) {
      gif::TColor key = gif::clNone;
      benchmark::DoNotOptimize(composer.ComposeFrame(i, key).pixels.data());
    }
  }
}

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

// The usual composition over giflib's frames: disposal applied before the
// next frame, the transparent index left out, 32-bit pixels.
void ComposeGiflib(const GifFileType& file, std::vector<std::uint32_t>& canvas) {
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
    benchmark::DoNotOptimize(canvas.data());
    if (control.DisposalMode == DISPOSE_BACKGROUND) {
      for (int y = 0; y < d.Height && d.Top + y < height; ++y)
        std::fill_n(canvas.data() + static_cast<std::size_t>(d.Top + y) * width + d.Left,
                    std::min(d.Width, width - d.Left), 0u);
    } else if (control.DisposalMode == DISPOSE_PREVIOUS) {
      canvas.swap(saved);
    }
  }
}

void BM_Giflib(benchmark::State& state, const BenchGif* gif) {
  const std::string& bytes = GifBytes(*gif);
  std::vector<std::uint32_t> canvas;
  for (auto _ : state) {
    MemoryReader reader{&bytes};
    int error = 0;
    GifFileType* file = DGifOpen(&reader, ReadFromMemory, &error);
    if (!file || DGifSlurp(file) != GIF_OK) {
      state.SkipWithError("giflib could not read the GIF");
      if (file) DGifCloseFile(file, &error);
      break;
    }
    ComposeGiflib(*file, canvas);
    DGifCloseFile(file, &error);
  }
}

// Remembers each benchmark's best processor time over its repetitions (the
// least disturbed by whatever else the machine runs) so that the ratios can
// follow the table.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration) continue;
      const std::string name = run.run_name.function_name;
      const double time = run.GetAdjustedCPUTime();
      if (!times_.count(name) || time < times_[name]) times_[name] = time;
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void PrintRatios() const {
    for (const BenchGif& gif : kGifs) {
      const auto ours = times_.find(std::string("Tarvik/") + gif.name);
      const auto theirs = times_.find(std::string("Giflib/") + gif.name);
      if (ours != times_.end() && theirs != times_.end())
        std::printf("%-12s tarvik / giflib = %.2fx (best processor time of each)\n", gif.name,
                    ours->second / theirs->second);
    }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  for (const BenchGif& gif : kGifs) {
    benchmark::RegisterBenchmark((std::string("Tarvik/") + gif.name).c_str(), BM_Tarvik, &gif)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);
    benchmark::RegisterBenchmark((std::string("Giflib/") + gif.name).c_str(), BM_Giflib, &gif)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);
  }
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
