// Decoding frames: LZW with real compression, interlacing, bitmap depth and
// palettes, and damaged code streams.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "gif/GifLzw.h"
#include "gif/GifWriter.h"
#include "gif/TGIFImage.h"

namespace {

using gif::TGIFImage;
using gif_test::TestFrame;
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
      TestFrame frame;
      frame.width = 123;
      frame.height = 77;
      frame.interlaced = interlaced;
      // Some writers leave out the clear code at the start; the data is
      // just as valid.
      frame.leadingClearCode = colors != 16;
      // Runs and noise, so that long code chains and table resets both occur.
      for (int i = 0; i < frame.width * frame.height; ++i)
        frame.pixels.push_back(static_cast<std::uint8_t>(i % 97 < 60 ? (i / 500) % colors : random() % colors));
      TGIFImage image;
      image.LoadFromMemory(GifWriter(123, 77, Gradient(colors)).Frame(frame).Finish());
      const platform::Bitmap& bitmap = image.Frame(0).Bitmap();
      EXPECT_EQ(bitmap.indexes, frame.pixels) << colors << " colours, interlaced " << interlaced << ", clear code first "
                                              << frame.leadingClearCode;
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
  TestFrame two;
  two.width = 3;
  two.height = 1;
  two.pixels = {0, 1, 0};
  TestFrame eight = two;
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
  std::vector<std::uint8_t> pixels(16, 0);
  const std::vector<std::uint8_t> source = {1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 2, 3, 1};
  std::string encoded = gif_test::EncodeLzw(source, 2);

  std::string badCodeSize = encoded;
  badCodeSize[0] = 1;
  EXPECT_TRUE(gif::DecodeLzw(badCodeSize, 2, gif::LzwTarget{pixels.data(), 4, 4, false}));

  // Data that stops early leaves the missing rows at 0 and is damage.
  std::fill(pixels.begin(), pixels.end(), 0);
  std::string cut = encoded.substr(0, 3);
  cut[1] = 1;
  EXPECT_TRUE(gif::DecodeLzw(cut, 2, gif::LzwTarget{pixels.data(), 4, 4, false}));
  EXPECT_NE(pixels.front(), 0);
  EXPECT_EQ(pixels.back(), 0);

  // So is data that ends right after a clear code: 8-bit codes, the clear
  // code 128, then nothing.
  std::vector<std::uint8_t> afterClear(2, 0);
  EXPECT_TRUE(gif::DecodeLzw(std::string("\x07\x01\x80\x00", 4), 7, gif::LzwTarget{afterClear.data(), 2, 1, false}));

  // Without an end code but with every pixel present there is nothing wrong.
  std::vector<std::uint8_t> noEnd(4, 0);
  EXPECT_FALSE(gif::DecodeLzw(std::string("\x02\x02\x44\x01\x00", 5), 2, gif::LzwTarget{noEnd.data(), 2, 1, false}));
}

// The decoder written the plain way, pixel by pixel through a stack, to hold
// the fast one to the same answers on damaged data too.
bool PlainDecode(const std::string& encoded, int colorBits, int width, int height, bool interlaced,
                 std::vector<std::uint8_t>& out) {
  int codeSize0 = static_cast<std::uint8_t>(encoded[0]);
  bool corrupted = codeSize0 < 2 || codeSize0 > 9;
  codeSize0 = std::clamp(codeSize0, 2, 9);
  std::vector<std::uint8_t> bytes;
  for (std::size_t pos = 1; pos < encoded.size();) {
    const std::size_t n = static_cast<std::uint8_t>(encoded[pos++]);
    for (std::size_t i = 0; i < n && pos < encoded.size(); ++i) bytes.push_back(static_cast<std::uint8_t>(encoded[pos++]));
  }
  std::size_t bitPos = 0;
  auto next = [&](int size, int& code) {
    if (bitPos + static_cast<std::size_t>(size) > bytes.size() * 8) return false;
    code = 0;
    for (int i = 0; i < size; ++i, ++bitPos) code |= (bytes[bitPos / 8] >> (bitPos % 8) & 1) << i;
    return true;
  };
  int x = 0, y = 0, pass = 0;
  auto put = [&](int value) {
    if (y >= height) return;
    out[static_cast<std::size_t>(y * width + x)] = static_cast<std::uint8_t>(value);
    if (++x < width) return;
    x = 0;
    if (!interlaced) { ++y; return; }
    y += pass <= 1 ? 8 : pass == 2 ? 4 : 2;
    if (y < height) return;
    if (pass == 0) { pass = 1; if (height > 4) { y = 4; return; } }
    if (pass == 1) { pass = 2; if (height > 2) { y = 2; return; } }
    if (pass == 2) { pass = 3; y = 1; }
  };
  const int mask = (1 << colorBits) - 1, clear = 1 << codeSize0, end = clear + 1;
  std::vector<int> prefix(4096, 0), suffix(4096, 0), stack;
  int codeSize = codeSize0 + 1, limit = 1 << codeSize, free = clear + 2, old = 0, last = 0, code = 0;
  bool full = false;
  bool have = next(codeSize, code);
  if (have && code != clear && code != end && !corrupted) {
    old = code; last = code & mask; put(last);
    have = next(codeSize, code);
  }
  while (have && code != end && y < height) {
    if (code == clear) {
      codeSize = codeSize0 + 1; limit = 1 << codeSize; free = clear + 2;
      have = next(codeSize, code);
      if (!have) break;
      old = code; last = code & mask; put(last); full = false;
    } else {
      int current = code;
      stack.clear();
      if (code >= free) { current = old; stack.push_back(last); }
      while (current > mask) {
        if (stack.size() > 4096) return true;
        stack.push_back(suffix[current]);
        current = prefix[current];
      }
      if (corrupted) return true;
      last = current & mask;
      stack.push_back(last);
      for (auto it = stack.rbegin(); it != stack.rend(); ++it) put(*it);
      if (!full) {
        prefix[free] = old; suffix[free] = last;
        if (++free >= limit) { if (codeSize >= 12) full = true; else { ++codeSize; limit <<= 1; } }
      }
      old = code;
    }
    have = next(codeSize, code);
  }
  return corrupted || (!have && y < height);
}

TEST(GifDecode, AgreesWithThePlainDecoderOnArbitraryData) {
  std::mt19937 random(5);
  for (int round = 0; round < 3000; ++round) {
    const int width = 1 + static_cast<int>(random() % 40), height = 1 + static_cast<int>(random() % 20);
    const int colorBits = 1 + static_cast<int>(random() % 8);
    std::string data;
    if (round % 3 == 0) {
      std::vector<std::uint8_t> source(static_cast<std::size_t>(width * height));
      for (auto& value : source) value = static_cast<std::uint8_t>(random() % (1u << colorBits) % 5);
      data = gif_test::EncodeLzw(source, std::max(2, colorBits));
      for (int flips = static_cast<int>(random() % 4); flips > 0; --flips)
        data[1 + random() % (data.size() - 1)] ^= static_cast<char>(1 << (random() % 8));
    } else {
      data.assign(1 + random() % 200, '\0');
      for (char& c : data) c = static_cast<char>(random());
      data[0] = static_cast<char>(1 + random() % 10);
    }
    const bool interlaced = (round & 1) != 0;
    std::vector<std::uint8_t> fast(static_cast<std::size_t>(width * height), 0), plain = fast;
    const bool fastCorrupted = gif::DecodeLzw(data, colorBits, gif::LzwTarget{fast.data(), width, height, interlaced});
    const bool plainCorrupted = PlainDecode(data, colorBits, width, height, interlaced, plain);
    ASSERT_EQ(fast, plain) << "round " << round;
    ASSERT_EQ(fastCorrupted, plainCorrupted) << "round " << round;
  }
}

TEST(GifDecode, ArbitraryBytesNeverLeaveTheBitmap) {
  std::mt19937 random(11);
  std::vector<std::uint8_t> pixels(31 * 17 + 1, 0);
  pixels.back() = 0xAB;
  for (int round = 0; round < 2000; ++round) {
    std::fill(pixels.begin(), pixels.end() - 1, 0);
    std::string junk(static_cast<std::size_t>(random() % 300), '\0');
    for (char& c : junk) c = static_cast<char>(random());
    if (!junk.empty()) junk[0] = static_cast<char>(2 + random() % 8);
    gif::DecodeLzw(junk, 1 + static_cast<int>(random() % 8), gif::LzwTarget{pixels.data(), 31, 17, (round & 1) != 0});
    ASSERT_EQ(pixels.back(), 0xAB);
  }
}

}  // namespace
