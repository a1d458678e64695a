// Composing a full-screen kind 1 image (the window frame of the default
// skin, client area tiled) next to a plain copy of the same number of
// pixels. Goal: composition within 3x of the plain copy.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "skin/SkinComposition.h"
#include "skin/SkinRegion.h"
#include "skin/TskData.h"
#include "skin/stored/StoredSkin.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

const TskData& DefaultSkin() {
  static TskCompressedStoredSkin stored;
  static skin::SkinForms no_windows;
  static TskData data(nullptr, no_windows);
  if (data.SkinEmpty()) {
    skin::LoadStoredSkin(stored);
    data.LoadCompressedStoredSkin(stored);
  }
  return data;
}

struct Frame {
  const platform::Bitmap& picture;
  skin::Rect source;
  skin::PieceGeometry geometry;
  skin::FittedGeometry fitted;
};

Frame DefaultFrame() {
  const TskData& data = DefaultSkin();
  const TskDataSkinFormInfo& info = data.FormInfo();
  const skin::Rect source{0, 0, data.MainBitmap().width, data.MainBitmap().height};
  const skin::PieceGeometry geometry{info.LTPoint, info.RTPoint, info.LBPoint, info.RBPoint, info.ClientRect};
  return {data.MainBitmap(), source, geometry, skin::NewGeometry(1, source, geometry, kWidth, kHeight)};
}

void BM_PlainCopy(benchmark::State& state) {
  const platform::Bitmap from = platform::Bitmap::Argb(kWidth, kHeight, 0xFF808080u);
  platform::Bitmap to = platform::Bitmap::Argb(kWidth, kHeight);
  for (auto _ : state) {
    std::copy(from.pixels.begin(), from.pixels.end(), to.pixels.begin());
    benchmark::DoNotOptimize(to.pixels.data());
  }
  state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}

void BM_ComposeKind1(benchmark::State& state) {
  const Frame frame = DefaultFrame();
  for (auto _ : state) {
    platform::Bitmap out = skin::ComposeSkinImage(frame.picture, frame.source, frame.geometry,
                                                  frame.fitted.geometry, kWidth, kHeight, true);
    benchmark::DoNotOptimize(out.pixels.data());
  }
  state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}

void BM_FrameRegion(benchmark::State& state) {
  const Frame frame = DefaultFrame();
  const platform::Bitmap& mask = DefaultSkin().MaskBitmap();
  for (auto _ : state) {
    auto region = skin::ControlRegion(mask, frame.source, 1, frame.geometry, frame.fitted.geometry, kWidth, kHeight);
    benchmark::DoNotOptimize(region);
  }
  state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}

BENCHMARK(BM_PlainCopy)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComposeKind1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FrameRegion)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
