#include "skin/BmpReader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/ErrorReport.h"
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

// The message stays the fixed one; the reason comes after it.
void ExpectInvalid(const std::string& bytes, const std::string& reason) {
  try {
    Read(bytes);
    ADD_FAILURE() << "read an invalid image; expected: " << reason;
  } catch (const skin::SkinError& e) {
    EXPECT_STREQ(e.what(), "Bitmap image is not valid");
    EXPECT_EQ(platform::ErrorText(e), "Bitmap image is not valid: " + reason);
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

// As image editors save them: a version 5 header whose masks a plain 24-bit
// picture ignores, 16-bit 5-6-5 and 32-bit pixels with alpha described by
// the masks inside a version 4 or 5 header, a colour table after the long
// header. Narrow channels widen by repeating their bits.
TEST(BmpReader, ReadsVersionFourAndFiveHeadersWithTheirMasks) {
  constexpr std::array<std::uint32_t, 4> kArgb = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
  const std::string bgr("\x00\x00\xFF" "\xFF\x00\x00" "\0\0", 8);  // red, blue, padding
  EXPECT_THAT(Pixels(Read(skintest::BmpImageWithMasks(124, kArgb, 2, 1, 24, 0, {}, bgr))),
              testing::ElementsAre(kRed, kBlue));

  std::string bits565;
  for (std::uint16_t p : {0xF800, 0x0841, 0x7BEF, 0xFFFF}) skintest::AppendUInt16(bits565, p);
  for (std::uint32_t header_size : {108u, 124u}) {
    EXPECT_THAT(Pixels(Read(skintest::BmpImageWithMasks(header_size, {0xF800, 0x07E0, 0x001F, 0}, 4, 1, 16, 3, {},
                                                        bits565))),
                testing::ElementsAre(kRed, 0xFF080808u, 0xFF7B7D7Bu, kWhite))
        << header_size;
  }

  std::string argb;
  AppendUInt32(argb, 0x8000FF00);  // half-transparent green
  AppendUInt32(argb, 0x00000000);  // fully transparent black
  EXPECT_THAT(Pixels(Read(skintest::BmpImageWithMasks(108, kArgb, 2, 1, 32, 3, {}, argb))),
              testing::ElementsAre(kGreen, kBlack));

  EXPECT_THAT(Pixels(Read(skintest::BmpImageWithMasks(124, kArgb, 3, 1, 4, 0, Palette(), std::string("\x21\x30\0\0", 4), 4))),
              testing::ElementsAre(kRed, kGreen, kBlack));
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

TEST(BmpReader, RefusesWhatIsNoSupportedImageNamingWhy) {
  const std::string good = skintest::Bmp24(2, 2, [](int, int) { return 0u; });
  std::string bad_magic = good;
  bad_magic[0] = 'X';
  ExpectInvalid(bad_magic, "it does not start with \"BM\"");

  std::string os2_header = good;
  os2_header[14] = 64;
  ExpectInvalid(os2_header, "its information header of 64 bytes is none of the known ones (40, 52, 56, 108 or 124 bytes)");

  ExpectInvalid(good.substr(0, good.size() - 1), "its file header gives a length of 70 bytes, but only 69 are there");
  ExpectInvalid(good.substr(0, 30), "its file header gives a length of 70 bytes, but only 30 are there");

  ExpectInvalid(BmpImage(2, 2, 24, 0, {}, std::string(8, '\0')), "its pixel bits hold 8 bytes of the 16 its rows need");
  ExpectInvalid(BmpImage(0, 2, 24, 0, {}, {}), "its size of 0 x 2 pixels is not 1 to 16384 a side");
  ExpectInvalid(BmpImage(10000, 10000, 8, 1, Palette(), std::string("\x00\x01", 2)),
                "its 100000000 pixels are more than 16777216");
  ExpectInvalid(BmpImage(2, 2, 24, 1, {}, std::string(16, '\0')),
                "24 bits per pixel with compression RLE8 is no format this reader decodes");
  ExpectInvalid(skintest::BmpImageWithMasks(124, {}, 2, 2, 24, 5, {}, "PNG"),
                "24 bits per pixel with compression PNG is no format this reader decodes");
  ExpectInvalid(BmpImage(2, -2, 8, 1, Palette(), std::string("\x00\x01", 2)), "its run-length rows are stored top-down");
  ExpectInvalid(BmpImage(2, 2, 8, 1, Palette(), std::string("\x00\x05\x01", 3), 4),
                "its run-length data ends inside an escape");
  ExpectInvalid(BmpImage(1, 1, 8, 0, Palette().substr(0, 3), std::string(4, '\0'), 200),
                "its colour table of 200 entries runs past its end");
}

}  // namespace
