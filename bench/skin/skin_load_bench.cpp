// Loading a skin (inflate, BMP decoding, INI parsing, entries) next to
// zlib's bare inflate of the same bytes. Goal: the load within 3x of the
// bare inflate.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <string>

#include "platform/FileSystem.h"
#include "skin/TskData.h"
#include "skin/Zlib.h"
#include "skin/stored/StoredSkin.h"

namespace {

std::string SkinBytes(int which) {
  if (which == 0) return std::string(skin::StoredSkinBytes());
  // The example skin file: its zlib stream follows the 8-byte header.
  return platform::ReadWholeFile(TARVIK_SOURCE_DIR "/examples/skins/dbskin.dat").substr(8);
}

void SetLabel(benchmark::State& state) { state.SetLabel(state.range(0) == 0 ? "default" : "example"); }

void BM_BareInflate(benchmark::State& state) {
  const std::string compressed = SkinBytes(static_cast<int>(state.range(0)));
  const std::size_t inflated_size = skin::InflateZlib(compressed).size();
  std::string out(inflated_size, '\0');
  for (auto _ : state) {
    uLongf length = static_cast<uLongf>(out.size());
    uncompress(reinterpret_cast<Bytef*>(out.data()), &length,
               reinterpret_cast<const Bytef*>(compressed.data()), static_cast<uLong>(compressed.size()));
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * inflated_size));
  SetLabel(state);
}

void BM_LoadSkin(benchmark::State& state) {
  TskCompressedStoredSkin stored;
  stored.CompressedStream = SkinBytes(static_cast<int>(state.range(0)));
  const std::size_t inflated_size = skin::InflateZlib(stored.CompressedStream).size();
  skin::SkinForms no_windows;
  TskData data(nullptr, no_windows);
  for (auto _ : state) {
    data.LoadCompressedStoredSkin(stored);
    benchmark::DoNotOptimize(data.SkinControls().data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * inflated_size));
  SetLabel(state);
}

BENCHMARK(BM_BareInflate)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadSkin)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
