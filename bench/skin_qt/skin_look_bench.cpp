// The skinned look's costs through the Qt layer, each next to a plain copy
// of the same number of pixels: a full-screen window frame picture as a
// skinned window gets it (the default skin's frame composed as a kind 1
// image, client area tiled, and turned into the pixmap it paints), and a
// full repaint of the main window in the default skin. The composition
// alone is bench_skin_compose's. Goal: within 3x of the plain copy.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "skin/SkinComposition.h"
#include "skin/TskData.h"
#include "skin/qt/SkinImage.h"
#include "skin/stored/StoredSkin.h"
#include "ui/FMain.h"

namespace {

constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;

void PlainCopy(benchmark::State& state, int width, int height) {
  const platform::Bitmap from = platform::Bitmap::Argb(width, height, 0xFF808080u);
  platform::Bitmap to = platform::Bitmap::Argb(width, height);
  for (auto _ : state) {
    std::copy(from.pixels.begin(), from.pixels.end(), to.pixels.begin());
    benchmark::DoNotOptimize(to.pixels.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * width * height);
}

void BM_PlainCopyScreen(benchmark::State& state) { PlainCopy(state, kScreenWidth, kScreenHeight); }

void BM_FramePixmapScreen(benchmark::State& state) {
  TskCompressedStoredSkin stored;
  skin::SkinForms no_windows;
  TskData data(nullptr, no_windows);
  skin::LoadStoredSkin(stored);
  data.LoadCompressedStoredSkin(stored);
  const TskDataSkinFormInfo& info = data.FormInfo();
  const platform::Bitmap& picture = data.MainBitmap();
  const skin::Rect source{0, 0, picture.width, picture.height};
  const skin::PieceGeometry geometry{info.LTPoint, info.RTPoint, info.LBPoint, info.RBPoint, info.ClientRect};
  const skin::FittedGeometry fitted = skin::NewGeometry(1, source, geometry, kScreenWidth, kScreenHeight);
  for (auto _ : state) {
    const platform::Bitmap composed =
        skin::ComposeSkinImage(picture, source, geometry, fitted.geometry, kScreenWidth, kScreenHeight, true);
    const QPixmap pixmap = QPixmap::fromImage(skin::qt::WrapBitmap(composed));
    benchmark::DoNotOptimize(pixmap.cacheKey());
  }
  state.SetItemsProcessed(state.iterations() * kScreenWidth * kScreenHeight);
}

TfrmMain& MainWindow() {
  static std::unique_ptr<TfrmMain> window = [] {
    auto made = std::make_unique<TfrmMain>();
    made->Timer2->stop();  // no update check: nothing is looked up outside the machine
    made->show();
    return made;
  }();
  return *window;
}

void BM_PlainCopyMainWindow(benchmark::State& state) {
  PlainCopy(state, MainWindow().width(), MainWindow().height());
}

// Every control of the window painted into one picture, as the window
// system asks for when the window is uncovered.
void BM_RepaintMainWindow(benchmark::State& state) {
  TfrmMain& window = MainWindow();
  QImage canvas(window.size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    window.render(&canvas);
    benchmark::DoNotOptimize(canvas.constBits());
  }
  state.SetItemsProcessed(state.iterations() * window.width() * window.height());
}

BENCHMARK(BM_PlainCopyScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FramePixmapScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainCopyMainWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintMainWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // The window is drawn off screen; no display is needed.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
