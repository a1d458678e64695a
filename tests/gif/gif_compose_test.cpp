// Composing the logical screen frame by frame: fill colour and key, the
// disposal methods, the kept picture, the limit on decoded frames, and
// drawing with a key.
#include <gtest/gtest.h>

#include "gif/BitmapDrawing.h"
#include "gif/GifErrors.h"
#include "gif/GifFrameComposer.h"
#include "gif/GifWriter.h"
#include "gif/TGIFImage.h"

namespace {

using gif::TGIFImage;
using gif_test::TestFrame;
using gif_test::GifWriter;

// red, green, blue, black
const std::vector<std::uint32_t> kColors = {0xFF0000, 0x00FF00, 0x0000FF, 0x000000};
constexpr std::uint32_t kRed = 0xFFFF0000u, kGreen = 0xFF00FF00u, kBlue = 0xFF0000FFu;
constexpr std::uint32_t kKeyedBlack = 0x00000000u;

TestFrame Patch(int left, int top, int width, int height, std::uint8_t index, int disposal = 0,
                int transparent = -1) {
  TestFrame frame;
  frame.left = left;
  frame.top = top;
  frame.width = width;
  frame.height = height;
  frame.pixels.assign(static_cast<std::size_t>(width * height), index);
  frame.disposal = disposal;
  frame.transparentIndex = transparent;
  return frame;
}

TEST(GifCompose, FirstFrameWithKeyLeavesUncoveredScreenTransparent) {
  TGIFImage image;
  image.LoadFromMemory(GifWriter(4, 2, kColors).Frame(Patch(0, 0, 2, 2, 0, 0, 3)).Finish());
  gif::GifFrameComposer composer(image);
  gif::TColor key = gif::clNone;
  const platform::Bitmap& picture = composer.ComposeFrame(0, key);
  EXPECT_EQ(key, gif::ColorFromRgb(0, 0, 0));
  EXPECT_EQ(picture.At(0, 0), kRed);
  EXPECT_EQ(picture.At(3, 1), kKeyedBlack);
}

TEST(GifCompose, FillIsTheWindowColourWithoutTransparency) {
  TGIFImage image;
  image.LoadFromMemory(GifWriter(3, 1, kColors, 1).Frame(Patch(0, 0, 1, 1, 2)).Finish());
  gif::GifFrameComposer composer(image);
  composer.SetWindowColor(gif::ColorFromRgb(1, 2, 3));
  gif::TColor key = gif::clNone;
  const platform::Bitmap& picture = composer.ComposeFrame(0, key);
  EXPECT_EQ(key, gif::clNone);
  EXPECT_EQ(picture.At(0, 0), kBlue);
  EXPECT_EQ(picture.At(2, 0), 0xFF010203u);
}

TEST(GifCompose, DisposalKeepBackgroundAndPrevious) {
  TGIFImage image;
  image.LoadFromMemory(GifWriter(4, 1, kColors)
                           .Frame(Patch(0, 0, 4, 1, 0, gif::DisposalKeep, 3))   // red screen, key black
                           .Frame(Patch(0, 0, 1, 1, 1, gif::DisposalBackground))
                           .Frame(Patch(1, 0, 1, 1, 2, gif::DisposalPrevious))
                           .Frame(Patch(2, 0, 1, 1, 1))
                           .Finish());
  gif::GifFrameComposer composer(image);
  gif::TColor key = gif::clNone;
  auto row = [&](int index) {
    const platform::Bitmap& picture = composer.ComposeFrame(index, key);
    return std::vector<std::uint32_t>(picture.pixels.begin(), picture.pixels.end());
  };
  EXPECT_EQ(row(1), (std::vector<std::uint32_t>{kGreen, kRed, kRed, kRed}));
  EXPECT_EQ(row(2), (std::vector<std::uint32_t>{kKeyedBlack, kBlue, kRed, kRed}));
  EXPECT_EQ(row(3), (std::vector<std::uint32_t>{kKeyedBlack, kRed, kGreen, kRed}));
  // The same answers when each frame is composed from scratch.
  for (int index = 3; index >= 0; --index) {
    gif::GifFrameComposer fresh(image);
    const std::vector<std::uint32_t> incremental = row(index);
    const platform::Bitmap& picture = fresh.ComposeFrame(index, key);
    EXPECT_EQ(std::vector<std::uint32_t>(picture.pixels.begin(), picture.pixels.end()), incremental) << index;
  }
}

TEST(GifCompose, FramesReachingPastTheScreenAreClipped) {
  TGIFImage image;
  image.LoadFromMemory(GifWriter(2, 2, kColors).Frame(Patch(0, 0, 2, 2, 0)).Frame(Patch(1, 1, 5, 5, 2)).Finish());
  gif::GifFrameComposer composer(image);
  gif::TColor key = gif::clNone;
  composer.ComposeFrame(0, key);
  const platform::Bitmap& picture = composer.ComposeFrame(1, key);
  EXPECT_EQ(picture.At(0, 0), kRed);
  EXPECT_EQ(picture.At(1, 1), kBlue);
}

TEST(GifCompose, AFrameWithoutColoursFailsAndKeepsThePicture) {
  // Only the first frame has colours of its own.
  TestFrame first = Patch(0, 0, 2, 1, 0);
  first.localColors = {0xFF0000, 0x00FF00};
  TGIFImage image;
  TestFrame third = Patch(0, 0, 1, 1, 1);
  third.localColors = first.localColors;
  image.LoadFromMemory(GifWriter(2, 1, {}).Frame(first).Frame(Patch(0, 0, 2, 1, 1)).Frame(third).Finish());
  gif::GifFrameComposer composer(image);
  gif::TColor key = gif::clNone;
  composer.ComposeFrame(0, key);
  EXPECT_THROW(composer.ComposeFrame(1, key), gif::EGIFError);
  EXPECT_EQ(composer.CachedIndex(), 0);
  EXPECT_EQ(composer.ComposeFrame(0, key).At(1, 0), kRed);
  // Failing on the way to a later frame, the half-built picture shows none.
  EXPECT_THROW(composer.ComposeFrame(2, key), gif::EGIFError);
  EXPECT_EQ(composer.CachedIndex(), -1);
}

TEST(GifCompose, DecodedFramesStayWithinTheImagesLimit) {
  // Five frames of 100 x 100 pixels; the limit holds two of them decoded.
  GifWriter writer(100, 100, kColors);
  for (int i = 0; i < 5; ++i) writer.Frame(Patch(0, 0, 100, 100, static_cast<std::uint8_t>(i % 3)));
  TGIFImage image(25000);
  image.LoadFromMemory(writer.Finish());
  gif::GifFrameComposer composer(image);
  const std::uint32_t colours[] = {kRed, kGreen, kBlue};
  for (int round = 0; round < 2; ++round) {
    for (int i = 0; i < 5; ++i) {
      gif::TColor key = gif::clNone;
      EXPECT_EQ(composer.ComposeFrame(i, key).At(50, 50), colours[i % 3]) << "round " << round << ", frame " << i;
      EXPECT_LE(image.DecodedBytes(), 25000u);
    }
  }
  // The frames used longest ago went first.
  EXPECT_FALSE(image.Frame(2).HasBitmap());
  EXPECT_TRUE(image.Frame(3).HasBitmap());
  EXPECT_TRUE(image.Frame(4).HasBitmap());
}

TEST(GifDraw, StretchingPicksNearestPixelsAndKeysOutTheKeyColour) {
  platform::Bitmap source = platform::Bitmap::Indexed(2, 1);
  source.indexes = {0, 1};
  source.palette = {0xFFFF0000u, 0xFF0000FFu};
  platform::Bitmap canvas = platform::Bitmap::Argb(6, 2, 0xFF111111u);
  gif::DrawTransparentStretched(canvas, gif::Rect{-1, 0, 6, 2}, source, gif::Rect{0, 0, 2, 1},
                                gif::ColorFromRgb(0, 0, 255));
  EXPECT_EQ(canvas.At(0, 0), kRed);
  EXPECT_EQ(canvas.At(1, 1), kRed);
  EXPECT_EQ(canvas.At(2, 0), 0xFF111111u);  // keyed blue leaves the canvas alone
  EXPECT_EQ(canvas.At(5, 1), 0xFF111111u);  // outside the destination
}

TEST(GifDraw, ImageDrawsItsActiveFrameKeyedWhenTransparent) {
  TestFrame frame = Patch(0, 0, 2, 1, 0, 0, 3);
  frame.pixels = {0, 3};
  TGIFImage image;
  image.LoadFromMemory(GifWriter(2, 1, kColors).Frame(frame).Finish());
  ASSERT_NE(image.Palette(), nullptr);
  EXPECT_EQ(image.Palette()->size(), 16u);  // four colours are kept at 4 bits per pixel

  platform::Bitmap canvas = platform::Bitmap::Argb(4, 1, 0xFF111111u);
  image.Draw(canvas, gif::Rect{0, 0, 4, 1});
  EXPECT_EQ(canvas.pixels, (std::vector<std::uint32_t>{kRed, kRed, 0xFF111111u, 0xFF111111u}));

  image.TransparentSwitch = false;
  image.Draw(canvas, gif::Rect{0, 0, 4, 1});
  EXPECT_EQ(canvas.At(3, 0), 0xFF000000u);
}

}  // namespace
