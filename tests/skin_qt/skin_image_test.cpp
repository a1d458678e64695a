// The bridge between the skin core's bitmaps and regions and Qt's.
#include <gtest/gtest.h>

#include "skin/SkinRegion.h"
#include "skin/qt/SkinImage.h"
#include "skin/qt/SkinMask.h"
#include "skin_qt/SkinQtFixture.h"

namespace {

using skin::qt::FittedMaskRegion;
using skin::qt::WrapBitmap;

constexpr std::uint32_t kBlack = 0xFF000000u;
constexpr std::uint32_t kWhite = 0xFFFFFFFFu;

TEST(WrapBitmap, SharesThePixelsInsteadOfCopyingThem) {
  platform::Bitmap bitmap = platform::Bitmap::Argb(3, 2, 0xFF102030u);
  bitmap.At(2, 1) = 0xFFAABBCCu;
  const QImage image = WrapBitmap(bitmap);
  EXPECT_EQ(image.constBits(), reinterpret_cast<const uchar*>(bitmap.pixels.data()));
  EXPECT_EQ(image.pixel(2, 1), 0xFFAABBCCu);
  EXPECT_EQ(image.pixel(0, 0), 0xFF102030u);
}

TEST(WrapBitmap, ReadsPaletteIndexesThroughThePaletteAndKeepsIndexesPastItInside) {
  platform::Bitmap bitmap = platform::Bitmap::Indexed(3, 1);
  bitmap.palette = {0xFF0000FFu, 0xFF00FF00u};
  bitmap.indexes = {1, 0, 200};
  const QImage image = WrapBitmap(bitmap);
  EXPECT_EQ(image.constBits(), bitmap.indexes.data());
  EXPECT_EQ(image.pixel(0, 0), 0xFF00FF00u);
  EXPECT_EQ(image.pixel(1, 0), 0xFF0000FFu);
  EXPECT_EQ(image.pixel(2, 0), 0xFF000000u);
}

TEST(WrapBitmap, AnEmptyOrShortBitmapGivesANullImage) {
  EXPECT_TRUE(WrapBitmap(platform::Bitmap{}).isNull());
  platform::Bitmap short_of_pixels = platform::Bitmap::Argb(4, 4);
  short_of_pixels.pixels.resize(3);
  EXPECT_TRUE(WrapBitmap(short_of_pixels).isNull());
}

TEST(ToQFont, TakesTheSkinFontsCellHeightStyleAndName) {
  skin::SkinFont font;
  font.name = "Arial";
  font.height = 15;
  font.style.bold = true;
  const QFont q = skin::qt::ToQFont(font);
  EXPECT_EQ(q.family(), "Arial");
  EXPECT_EQ(q.pixelSize(), 13);
  EXPECT_TRUE(q.bold());
  EXPECT_FALSE(q.italic());
  EXPECT_EQ(skin::qt::ToQColor(0x00332211), QColor(0x11, 0x22, 0x33));
}

TEST(MaskAsQRegion, ARowWithBlackAtTwoToFourAndSevenGivesTwoRectangles) {
  platform::Bitmap mask = platform::Bitmap::Argb(10, 3, kWhite);
  for (int x : {2, 3, 4, 7}) mask.At(x, 1) = kBlack;
  // A fixed-size (kind 0) entry takes the mask as it is.
  const auto region = FittedMaskRegion(mask, {0, 0, 10, 3}, {}, QSize(10, 3));
  ASSERT_TRUE(region.has_value());
  EXPECT_EQ(*region, QRegion(2, 1, 3, 1) + QRegion(7, 1, 1, 1));
}

TEST(MaskAsQRegion, APureWhiteMaskGivesTheClientRectangleAlone) {
  const platform::Bitmap mask = platform::Bitmap::Argb(20, 20, kWhite);
  const skin::PieceGeometry geometry{{5, 5}, {15, 5}, {5, 15}, {15, 15}, {5, 5, 15, 15}};
  const auto region = FittedMaskRegion(mask, {0, 0, 20, 20}, geometry, QSize(50, 40));
  ASSERT_TRUE(region.has_value());
  EXPECT_EQ(*region, QRegion(5, 5, 40, 30));
}

TEST(MaskAsQRegion, KeepsEveryRunOfAMaskWithMoreRunsThanAScratchListHolds) {
  // Every other pixel black: 150 x 150 / 2 runs, past 10001.
  platform::Bitmap mask = platform::Bitmap::Argb(150, 150, kWhite);
  for (int y = 0; y < 150; ++y)
    for (int x = y % 2; x < 150; x += 2) mask.At(x, y) = kBlack;
  const auto region = FittedMaskRegion(mask, {0, 0, 150, 150}, {}, QSize(150, 150));
  ASSERT_TRUE(region.has_value());
  EXPECT_EQ(region->rectCount(), 150 * 75);
  EXPECT_TRUE(region->contains(QPoint(148, 0)));
  EXPECT_FALSE(region->contains(QPoint(149, 0)));
  EXPECT_TRUE(region->contains(QPoint(149, 1)));
}

TEST(MaskAsQRegion, NoMaskGivesNoShape) {
  EXPECT_FALSE(FittedMaskRegion(platform::Bitmap{}, {0, 0, 10, 10}, {}, QSize(10, 10)).has_value());
  const platform::Bitmap white = platform::Bitmap::Argb(10, 10, kWhite);
  EXPECT_FALSE(FittedMaskRegion(white, {0, 0, 10, 10}, {}, QSize(10, 10)).has_value());
}

TEST(RegionFromDescription, ReadsNoMoreRectanglesThanItsBytesHold) {
  skin::Region region;
  region.bounds = {0, 0, 10, 10};
  region.rects = {{1, 1, 4, 2}, {0, 3, 10, 9}};
  const std::string description = skin::RegionDescription(region);
  EXPECT_EQ(skin::qt::RegionFromDescription(description), QRegion(1, 1, 3, 1) + QRegion(0, 3, 10, 6));
  // A header that claims more rectangles than follow it: those that are
  // there, and no read past the end.
  std::string claims_more = description.substr(0, description.size() - 16);
  EXPECT_EQ(skin::qt::RegionFromDescription(claims_more), QRegion(1, 1, 3, 1));
  EXPECT_TRUE(skin::qt::RegionFromDescription(description.substr(0, 20)).isEmpty());
}

}  // namespace
