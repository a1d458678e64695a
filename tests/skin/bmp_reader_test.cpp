#include "skin/BmpReader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "skin/SkinError.h"
#include "skin/SkinStreams.h"

namespace {

using skintest::AppendUInt32;
using skintest::BmpImage;

constexpr std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;
constexpr std::uint32_t kBlack = 0xFF000000, kWhite = 0xFFFFFFFF;

platform::Bitmap Read(const std::string& bytes) {
  skin::ByteReader reader(bytes);
  return skin::ReadBmpImage(reader);
}

std::vector<std::uint32_t> Pixels(const platform::Bitmap& b) { return b.pixels; }

// Blue, green, red, black as a BGRX colour table.
std::string Palette() {
  std::string p;
  for (std::uint32_t c : {0x0000FFu, 0x00FF00u, 0xFF0000u, 0x000000u}) AppendUInt32(p, c);
  return p;
}

void ExpectInvalid(const std::string& bytes) {
  try {
    Read(bytes);
    FAIL() << "read an invalid image";
  } catch (const skin::SkinError& e) {
    EXPECT_STREQ(e.what(), "Bitmap image is not valid");
  }
}

TEST(BmpReader, Reads24BitBottomUpRowsTopDown) {
  const std::string bmp = skintest::Bmp24(3, 2, [](int x, int y) {
    return y == 0 ? (x == 0 ? 0xFF0000u : 0x00FF00u) : 0x0000FFu;
  });
  const platform::Bitmap b = Read(bmp);
  ASSERT_EQ(b.width, 3);
  ASSERT_EQ(b.height, 2);
  EXPECT_THAT(Pixels(b), testing::ElementsAre(kRed, kGreen, kGreen, kBlue, kBlue, kBlue));
}

TEST(BmpReader, ReadsTopDownImagesWithNegativeHeight) {
  std::string bits;
  AppendUInt32(bits, 0x00FF0000);  // row 0: red (BGRX)
  AppendUInt32(bits, 0x000000FF);  // row 1: blue
  const platform::Bitmap b = Read(BmpImage(1, -2, 32, 0, {}, bits));
  EXPECT_THAT(Pixels(b), testing::ElementsAre(kRed, kBlue));
}

TEST(BmpReader, ReadsPaletteImagesOfOneFourAndEightBits) {
  // 1 bit: 1,0,1 then padding.
  EXPECT_THAT(Pixels(Read(BmpImage(3, 1, 1, 0, Palette().substr(0, 8), std::string("\xA0\0\0\0", 4)))),
              testing::ElementsAre(kGreen, kBlue, kGreen));
  // 4 bits: 2,1,3.
  EXPECT_THAT(Pixels(Read(BmpImage(3, 1, 4, 0, Palette(), std::string("\x21\x30\0\0", 4), 4))),
              testing::ElementsAre(kRed, kGreen, kBlack));
  // 8 bits with an index beyond the table: black.
  EXPECT_THAT(Pixels(Read(BmpImage(2, 1, 8, 0, Palette(), std::string("\x00\x09\0\0", 4), 4))),
              testing::ElementsAre(kBlue, kBlack));
}

TEST(BmpReader, ReadsSixteenBitPixelsAsFiveFiveFiveOrByTheirBitFields) {
  std::string bits;
  skintest::AppendUInt16(bits, 0x7C00);  // 5-5-5 red
  skintest::AppendUInt16(bits, 0x001F);  // blue
  EXPECT_THAT(Pixels(Read(BmpImage(2, 1, 16, 0, {}, bits))), testing::ElementsAre(kRed, kBlue));

  std::string masks;
  AppendUInt32(masks, 0xF800);
  AppendUInt32(masks, 0x07E0);
  AppendUInt32(masks, 0x001F);
  std::string bits565;
  skintest::AppendUInt16(bits565, 0x07E0);  // 5-6-5 green
  skintest::AppendUInt16(bits565, 0xFFFF);
  EXPECT_THAT(Pixels(Read(BmpImage(2, 1, 16, 3, masks, bits565))), testing::ElementsAre(kGreen, kWhite));
}

TEST(BmpReader, DecodesRle8RunsAbsoluteBlocksAndJumps) {
  // 4 x 2 bottom-up. Row 1 (bottom): run of 2 x index 0, absolute 3 indexes
  // (1,2,3) padded, end of line. Row 0 (top): jump 2 right, run 1 x index 1,
  // end of bitmap. Unreached pixels keep entry 0.
  const std::string bits("\x02\x00" "\x00\x03\x01\x02\x03\x00" "\x00\x00" "\x00\x02\x02\x00" "\x01\x01"
                         "\x00\x01", 18);
  const platform::Bitmap b = Read(BmpImage(4, 2, 8, 1, Palette(), bits, 4));
  EXPECT_THAT(Pixels(b), testing::ElementsAre(kBlue, kBlue, kGreen, kBlue,  // top
                                              kBlue, kBlue, kGreen, kRed));  // bottom, 4th pixel dropped
}

TEST(BmpReader, DecodesRle4NibbleRuns) {
  // A run of 3 alternating nibbles 1,2 then an absolute block of 3 nibbles
  // (3, 0, 2) of which only the first fits the row.
  const std::string bits("\x03\x12" "\x00\x03\x30\x20" "\x00\x01", 8);
  const platform::Bitmap b = Read(BmpImage(4, 1, 4, 2, Palette(), bits, 4));
  EXPECT_THAT(Pixels(b), testing::ElementsAre(kGreen, kRed, kGreen, kBlack));
}

TEST(BmpReader, ConsumesExactlyOneImageByItsSizeField) {
  const std::string first = skintest::Bmp24(1, 1, [](int, int) { return 0xFF0000u; });
  const std::string second = skintest::Bmp24(2, 1, [](int, int) { return 0x0000FFu; });
  const std::string both = first + second;
  skin::ByteReader reader(both);
  EXPECT_EQ(skin::ReadBmpImage(reader).width, 1);
  EXPECT_EQ(reader.Position(), first.size());
  EXPECT_EQ(skin::ReadBmpImage(reader).width, 2);
  EXPECT_EQ(reader.Remaining(), 0u);
}

TEST(BmpReader, RefusesWhatIsNoSupportedImage) {
  const std::string good = skintest::Bmp24(2, 2, [](int, int) { return 0u; });
  std::string bad_magic = good;
  bad_magic[0] = 'X';
  ExpectInvalid(bad_magic);

  std::string v5_header = good;
  v5_header[14] = 124;
  ExpectInvalid(v5_header);

  ExpectInvalid(good.substr(0, good.size() - 1));  // size field larger than the data
  ExpectInvalid(good.substr(0, 30));

  std::string truncated_pixels = BmpImage(2, 2, 24, 0, {}, std::string(8, '\0'));
  ExpectInvalid(truncated_pixels);

  ExpectInvalid(BmpImage(0, 2, 24, 0, {}, {}));
  ExpectInvalid(BmpImage(100000, 100000, 8, 1, Palette(), std::string("\x00\x01", 2)));  // absurd size
  ExpectInvalid(BmpImage(2, 2, 24, 1, {}, std::string(16, '\0')));                          // RLE8 at 24 bits
  ExpectInvalid(BmpImage(2, -2, 8, 1, Palette(), std::string("\x00\x01", 2)));             // top-down RLE
  ExpectInvalid(BmpImage(2, 2, 8, 1, Palette(), std::string("\x00\x05\x01", 3)));          // cut-off block
  ExpectInvalid(BmpImage(1, 1, 8, 0, Palette().substr(0, 3), std::string(4, '\0'), 200));   // table past the end
}

}  // namespace
