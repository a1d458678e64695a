// Decoding and composing every frame of large animated GIFs, ours next to
// giflib (DGifSlurp plus the same composition), with the time ratio printed
// at the end. The GIFs are made by ImageMagick on the first run and kept.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "GiflibFrames.h"
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

void BM_Giflib(benchmark::State& state, const BenchGif* gif) {
  const std::string& bytes = GifBytes(*gif);
  std::vector<std::uint32_t> canvas;
  for (auto _ : state) {
    if (!gif_bench::ComposeWithGiflib(bytes, canvas, [](const std::uint32_t* pixels) { benchmark::DoNotOptimize(pixels); })) {
      state.SkipWithError("giflib could not read the GIF");
      break;
    }
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
