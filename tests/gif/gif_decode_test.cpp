// Decoding frames: LZW with real compression, interlacing, bitmap depth and
// palettes, and damaged code streams.
#include <gtest/gtest.h>

#include <random>

#include "gif/GifLzw.h"
#include "gif/GifWriter.h"
#include "gif/TGIFImage.h"

namespace {

using gif::TGIFImage;
using gif_test::FrameSpec;
using gif_test::GifWriter;

std::vector<std::uint32_t> Gradient(int count) {
  std::vector<std::uint32_t> colors;
  for (int i = 0; i < count; ++i) colors.push_back(static_cast<std::uint32_t>(i * 0x010203 & 0xFFFFFF));
  return colors;
}

TEST(GifDecode, CompressedPicturesComeBackExactly) {
  std::mt19937 random(7);
  for (const int colors : {2, 16, 256}) {
    for (const bool interlaced : {false, true}) {
      FrameSpec frame;
      frame.width = 123;
      frame.height = 77;
      frame.interlaced = interlaced;
      // Runs and noise, so that long code chains and table resets both occur.
      for (int i = 0; i < frame.width * frame.height; ++i)
        frame.pixels.push_back(static_cast<std::uint8_t>(i % 97 < 60 ? (i / 500) % colors : random() % colors));
      TGIFImage image;
      image.LoadFromMemory(GifWriter(123, 77, Gradient(colors)).Frame(frame).Finish());
      const platform::Bitmap& bitmap = image.Frame(0).Bitmap();
      EXPECT_EQ(bitmap.indexes, frame.pixels) << colors << " colours, interlaced " << interlaced;
      EXPECT_FALSE(image.Frame(0).DataCorrupted);
    }
  }
}

TEST(GifDecode, InterlacedRowsOfASmallImageGoInPassOrder) {
  // Rows 0, 2, 1 of a three-row image, stored in that order, hold 10, 11, 12.
  std::vector<std::uint8_t> stored = {10, 11, 12};
  std::string encoded = gif_test::EncodeLzw(stored, 4);
  std::vector<std::uint8_t> pixels(3, 0);
  EXPECT_FALSE(gif::DecodeLzw(encoded, 4, gif::LzwTarget{pixels.data(), 1, 3, true}));
  EXPECT_EQ(pixels, (std::vector<std::uint8_t>{10, 12, 11}));
}

TEST(GifDecode, DepthAndGreyFillerEntriesFollowTheColourCount) {
  FrameSpec two;
  two.width = 3;
  two.height = 1;
  two.pixels = {0, 1, 0};
  FrameSpec eight = two;
  eight.localColors = Gradient(8);
  TGIFImage image;
  image.LoadFromMemory(GifWriter(3, 1, {0x000000, 0xFFFFFF}).Frame(two).Frame(eight).Finish());
  EXPECT_EQ(image.Frame(0).Bitmap().palette.size(), 2u);
  EXPECT_EQ(image.Frame(0).BitmapDepth(), 1);
  const platform::Bitmap& fourBit = image.Frame(1).Bitmap();
  EXPECT_EQ(image.Frame(1).BitmapDepth(), 4);
  ASSERT_EQ(fourBit.palette.size(), 16u);
  EXPECT_EQ(fourBit.palette[7], 0xFF000000u | (7 * 0x010203));
  for (int i = 8; i < 16; ++i) EXPECT_EQ(fourBit.palette[static_cast<std::size_t>(i)], 0xFF808080u);
}

TEST(GifDecode, DamagedCodeStreams) {
  std::vector<std::uint8_t> pixels(16, 0xEE);
  const std::vector<std::uint8_t> source = {1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 2, 3, 1};
  std::string encoded = gif_test::EncodeLzw(source, 2);

  std::string badCodeSize = encoded;
  badCodeSize[0] = 1;
  EXPECT_TRUE(gif::DecodeLzw(badCodeSize, 2, gif::LzwTarget{pixels.data(), 4, 4, false}));

  // Data that stops early leaves the missing rows untouched and is damage.
  std::fill(pixels.begin(), pixels.end(), 0xEE);
  std::string cut = encoded.substr(0, 3);
  cut[1] = 1;
  EXPECT_TRUE(gif::DecodeLzw(cut, 2, gif::LzwTarget{pixels.data(), 4, 4, false}));
  EXPECT_EQ(pixels.back(), 0xEE);

  // Without an end code but with every pixel present there is nothing wrong.
  std::vector<std::uint8_t> noEnd(4, 0);
  EXPECT_FALSE(gif::DecodeLzw(std::string("\x02\x02\x44\x01\x00", 5), 2, gif::LzwTarget{noEnd.data(), 2, 1, false}));
}

TEST(GifDecode, ArbitraryBytesNeverLeaveTheBitmap) {
  std::mt19937 random(11);
  std::vector<std::uint8_t> pixels(31 * 17 + 1, 0xAB);
  for (int round = 0; round < 2000; ++round) {
    std::string junk(static_cast<std::size_t>(random() % 300), '\0');
    for (char& c : junk) c = static_cast<char>(random());
    if (!junk.empty()) junk[0] = static_cast<char>(2 + random() % 8);
    gif::DecodeLzw(junk, 1 + static_cast<int>(random() % 8), gif::LzwTarget{pixels.data(), 31, 17, (round & 1) != 0});
    ASSERT_EQ(pixels.back(), 0xAB);
  }
}

}  // namespace
