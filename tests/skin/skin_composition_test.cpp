#include "skin/SkinComposition.h"

#include <cstring>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "skin/SkinGeometry.h"
#include "skin/SkinRegion.h"

namespace {

using platform::Bitmap;
using skin::PieceGeometry;
using skin::Point;
using skin::Rect;

// Every pixel different: its coordinates in the colour.
std::uint32_t Code(int x, int y) { return 0xFF000000u | static_cast<std::uint32_t>(x) << 12 | static_cast<std::uint32_t>(y); }

Bitmap Numbered(int w, int h) {
  Bitmap b = Bitmap::Argb(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.At(x, y) = Code(x, y);
  return b;
}

// A 12 x 10 piece at (5, 3) with 3-pixel borders: corners end 3 in from
// each side and the client area is the middle.
const Rect kSource{5, 3, 17, 13};
const PieceGeometry kNine{{3, 3}, {9, 3}, {3, 7}, {9, 7}, {3, 3, 9, 7}};

TEST(SizingKind, FollowsTheFirstConditionThatHolds) {
  EXPECT_EQ(skin::SizingKind({0, 0, 0, 5}, kNine), -1);
  EXPECT_EQ(skin::SizingKind(kSource, kNine), 1);
  // rightbottompoint 0,0 with a righttoppoint: sizable in width only.
  EXPECT_EQ(skin::SizingKind(kSource, {{3, 0}, {9, 0}, {3, 7}, {0, 0}, {}}), 2);
  EXPECT_EQ(skin::SizingKind(kSource, {{0, 3}, {0, 0}, {0, 7}, {5, 0}, {}}), 3);
  EXPECT_EQ(skin::SizingKind(kSource, {}), 0);
}

TEST(SizingKind, RectanglesFarApartAreTakenWithinTheCoordinateLimit) {
  // A right edge beyond the limit and a left edge far below zero: their
  // distance does not fit an int, and no sum of them may overflow.
  const Rect far_apart{-2029451000, 0, 151649526, 10};
  EXPECT_EQ(skin::SizingKind(far_apart, kNine), 1);
  EXPECT_EQ(skin::SizingKind({151649526, 0, -2029451000, 10}, kNine), -1);
  const Bitmap mask = Bitmap::Argb(4, 4);
  EXPECT_EQ(skin::MaskSource(mask, far_apart), skin::Bounded(far_apart));
}

TEST(NewGeometry, MovesThePointsByTheGrowth) {
  const auto one = skin::NewGeometry(1, kSource, kNine, 20, 15);
  EXPECT_EQ(one.width, 20);
  EXPECT_EQ(one.geometry, (PieceGeometry{{3, 3}, {17, 3}, {3, 12}, {17, 12}, {3, 3, 17, 12}}));

  const auto two = skin::NewGeometry(2, kSource, kNine, 20, 99);
  EXPECT_EQ(two.height, 10);  // the skin rectangle's height, whatever was asked
  EXPECT_EQ(two.geometry.rt, (Point{17, 3}));
  EXPECT_EQ(two.geometry.client, (Rect{3, 3, 17, 7}));

  const auto three = skin::NewGeometry(3, kSource, kNine, 99, 15);
  EXPECT_EQ(three.width, 12);
  EXPECT_EQ(three.geometry.lb, (Point{3, 12}));
  EXPECT_EQ(three.geometry.client, (Rect{3, 3, 9, 12}));

  const auto fixed = skin::NewGeometry(0, kSource, kNine, 50, 50);
  EXPECT_EQ(fixed.width, 12);
  EXPECT_EQ(fixed.height, 10);
  EXPECT_EQ(fixed.geometry, kNine);
}

TEST(ComposeSkinImage, AtTheSkinRectanglesOwnSizeReproducesItPixelForPixel) {
  const Bitmap picture = Numbered(30, 20);
  const Bitmap out = skin::ComposeSkinImage(picture, kSource, kNine, kNine, 12, 10, true);
  ASSERT_EQ(out.width, 12);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 12; ++x) ASSERT_EQ(out.At(x, y), picture.At(5 + x, 3 + y)) << x << "," << y;
}

TEST(ComposeSkinImage, RepeatsEdgesAndClientAndKeepsTheCorners) {
  const Bitmap picture = Numbered(30, 20);
  const auto fitted = skin::NewGeometry(1, kSource, kNine, 21, 13);  // 1.5 middles wider, 3 rows taller
  const Bitmap out = skin::ComposeSkinImage(picture, kSource, kNine, fitted.geometry, 21, 13, true);
  // Top edge: middle columns 3..8 of the piece repeat from x 3, cut at 18.
  for (int x = 3; x < 18; ++x) EXPECT_EQ(out.At(x, 0), Code(5 + 3 + (x - 3) % 6, 3)) << x;
  // The right corners moved by the growth.
  EXPECT_EQ(out.At(20, 0), Code(16, 3));
  EXPECT_EQ(out.At(20, 12), Code(16, 12));
  // The client area repeats the piece's client rows down to its new bottom.
  EXPECT_EQ(out.At(3, 3), Code(8, 6));
  EXPECT_EQ(out.At(3, 7), Code(8, 6));  // one client height (4) further down
  EXPECT_EQ(out.At(9, 3), Code(8, 6));  // one client width (6) further right

  const Bitmap no_client = skin::ComposeSkinImage(picture, kSource, kNine, fitted.geometry, 21, 13, false);
  EXPECT_EQ(no_client.At(10, 6), 0u);
  EXPECT_EQ(no_client.At(0, 0), out.At(0, 0));
}

TEST(ComposeSkinImage, PiecesWithoutExtentStayBlankInsteadOfFailing) {
  const Bitmap picture = Numbered(30, 20);
  PieceGeometry flat = kNine;
  flat.rt.x = flat.lt.x;  // a top edge of no width
  flat.client = {3, 3, 3, 7};  // a client area of no width
  const auto fitted = skin::NewGeometry(1, kSource, flat, 40, 30);
  const Bitmap out = skin::ComposeSkinImage(picture, kSource, flat, fitted.geometry, 40, 30, true);
  ASSERT_EQ(out.width, 40);
  EXPECT_EQ(out.At(20, 0), 0u);
  EXPECT_EQ(out.At(20, 10), 0u);

  PieceGeometry degenerate = kNine;
  degenerate.rb.x = degenerate.lt.x;
  const Bitmap blank = skin::ComposeSkinImage(picture, kSource, degenerate, degenerate, 12, 10, true);
  EXPECT_THAT(blank.pixels, testing::Each(0u));
}

TEST(ComposeSkinImage, SourcePiecesOutsideThePictureReadAsBlank) {
  const Bitmap picture = Numbered(8, 8);
  const Bitmap out = skin::ComposeSkinImage(picture, {4, 4, 16, 14}, kNine, kNine, 12, 10, true);
  EXPECT_EQ(out.At(0, 0), Code(4, 4));
  EXPECT_EQ(out.At(5, 5), 0u);
  EXPECT_TRUE(skin::ComposeSkinImage(picture, kSource, kNine, kNine, 1 << 20, 1 << 20, true).IsEmpty());
}

TEST(ComposeStretchedSkinImage, ScalesAFlaggedEdgeInsteadOfRepeatingIt) {
  // The hint window: its top edge is two columns wide and set to stretch.
  const Bitmap picture = Numbered(8, 8);
  const Rect source{0, 0, 8, 8};
  const PieceGeometry g{{3, 3}, {5, 3}, {3, 5}, {5, 5}, {3, 3, 5, 5}};
  const auto fitted = skin::NewGeometry(1, source, g, 10, 8);
  skin::StretchFlags stretch;
  stretch.top = true;
  const Bitmap out = skin::ComposeStretchedSkinImage(picture, source, g, fitted.geometry, 10, 8, true, stretch);
  EXPECT_THAT(std::vector<std::uint32_t>(out.Row(0) + 3, out.Row(0) + 7),
              testing::ElementsAre(Code(3, 0), Code(3, 0), Code(4, 0), Code(4, 0)));
  const Bitmap tiled = skin::ComposeSkinImage(picture, source, g, fitted.geometry, 10, 8, true);
  EXPECT_THAT(std::vector<std::uint32_t>(tiled.Row(0) + 3, tiled.Row(0) + 7),
              testing::ElementsAre(Code(3, 0), Code(4, 0), Code(3, 0), Code(4, 0)));
  // Only the flagged edge differs.
  EXPECT_EQ(out.At(0, 4), tiled.At(0, 4));
}

TEST(ComposeHorizontalStrip, WideningByOneAndAHalfMiddlesDrawsOneWholeAndOneHalfTile) {
  const Bitmap picture = Numbered(20, 4);
  const Rect source{2, 1, 12, 3};  // 10 wide: ends of 2 and 4, a middle of 4
  const Bitmap out = skin::ComposeHorizontalStrip(picture, source, 2, 4, 16);
  ASSERT_EQ(out.width, 16);
  ASSERT_EQ(out.height, 2);
  std::vector<std::uint32_t> expected;
  for (int x : {2, 3, 4, 5, 6, 7, 4, 5, 6, 7, 4, 5, 8, 9, 10, 11}) expected.push_back(Code(x, 1));
  EXPECT_EQ(std::vector<std::uint32_t>(out.Row(0), out.Row(0) + 16), expected);
}

TEST(ComposeStrips, AMiddleOfNoExtentRepeatsOneColumnButNoRow) {
  const Bitmap picture = Numbered(10, 10);
  const Bitmap wide = skin::ComposeHorizontalStrip(picture, {0, 0, 4, 1}, 2, 2, 7);
  EXPECT_THAT(std::vector<std::uint32_t>(wide.Row(0), wide.Row(0) + 7),
              testing::ElementsAre(Code(0, 0), Code(1, 0), Code(2, 0), Code(2, 0), Code(2, 0), Code(2, 0),
                                   Code(3, 0)));
  const Bitmap tall = skin::ComposeVerticalStrip(picture, {0, 0, 1, 4}, 2, 2, 7);
  EXPECT_EQ(tall.At(0, 1), Code(0, 1));
  EXPECT_EQ(tall.At(0, 3), 0u);
  EXPECT_EQ(tall.At(0, 6), Code(0, 3));

  const Bitmap stacked = skin::ComposeVerticalStrip(picture, {1, 0, 2, 6}, 1, 1, 9);
  EXPECT_EQ(stacked.At(0, 4), Code(1, 4));  // middle rows 1..4 repeat from y 1
  EXPECT_EQ(stacked.At(0, 5), Code(1, 1));
  EXPECT_EQ(stacked.At(0, 8), Code(1, 5));
}

TEST(ComposeEntryImage, ComposesByTheEntrysKind) {
  const Bitmap picture = Numbered(30, 20);
  const PieceGeometry none{};
  const Bitmap fixed = skin::ComposeEntryImage(picture, kSource, 0, none, skin::NewGeometry(0, kSource, none, 99, 99), true);
  ASSERT_EQ(fixed.width, 12);
  EXPECT_EQ(fixed.At(11, 9), Code(16, 12));

  const PieceGeometry strip{{2, 0}, {8, 0}, {}, {}, {2, 0, 8, 10}};
  const auto wide = skin::NewGeometry(2, kSource, strip, 20, 99);
  const Bitmap composed = skin::ComposeEntryImage(picture, kSource, 2, strip, wide, true);
  EXPECT_EQ(composed.pixels, skin::ComposeHorizontalStrip(picture, kSource, 2, 4, 20).pixels);
  EXPECT_EQ(composed.height, 10);
  EXPECT_TRUE(skin::ComposeEntryImage(picture, {0, 0, 0, 0}, -1, none, {}, true).IsEmpty());
}

Bitmap Mask(int w, int h, const std::vector<Point>& black) {
  Bitmap m = Bitmap::Argb(w, h, 0xFFFFFFFFu);
  for (const Point& p : black) m.At(p.x, p.y) = 0xFF000000u;
  return m;
}

TEST(MaskRegion, GivesOneRectanglePerRunOfBlackPixels) {
  const Bitmap mask = Mask(10, 2, {{2, 1}, {3, 1}, {4, 1}, {7, 1}});
  const auto region = skin::MaskRegion(mask, 0, 0);
  ASSERT_TRUE(region);
  EXPECT_THAT(region->rects, testing::ElementsAre(Rect{2, 1, 5, 2}, Rect{7, 1, 8, 2}));

  const auto moved = skin::MaskRegion(mask, 100, 50);
  EXPECT_THAT(moved->rects, testing::ElementsAre(Rect{102, 51, 105, 52}, Rect{107, 51, 108, 52}));
  EXPECT_EQ(moved->bounds, (Rect{100, 50, 110, 52}));
  EXPECT_FALSE(skin::MaskRegion(Bitmap{}, 0, 0));
}

TEST(MaskRegion, DescribesTheRegionWithA32ByteHeader) {
  const auto region = skin::MaskRegion(Mask(10, 2, {{2, 1}, {3, 1}, {4, 1}, {7, 1}}), 0, 0);
  const std::string bytes = skin::RegionDescription(*region);
  ASSERT_EQ(bytes.size(), 32u + 2 * 16);
  const auto word = [&](int i) {
    std::int32_t v;
    std::memcpy(&v, bytes.data() + 4 * i, 4);
    return v;
  };
  EXPECT_THAT((std::vector<int>{word(0), word(1), word(2), word(3), word(4), word(5), word(6), word(7)}),
              testing::ElementsAre(32, 1, 2, 0, 0, 0, 10, 2));
  EXPECT_THAT((std::vector<int>{word(8), word(9), word(10), word(11)}), testing::ElementsAre(2, 1, 5, 2));
}

TEST(MaskRegion, TakesMoreRunsThanAFixedScratchListWould) {
  std::vector<Point> black;
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 200; x += 2) black.push_back({x, y});
  EXPECT_EQ(skin::MaskRegion(Mask(200, 200, black), 0, 0)->rects.size(), 20000u);
}

TEST(ControlRegion, APureWhiteMaskGivesTheClientRectangleAlone) {
  const Bitmap white = Mask(12, 10, {});
  const auto fitted = skin::NewGeometry(1, {0, 0, 12, 10}, kNine, 30, 20);
  const auto region = skin::ControlRegion(white, {0, 0, 12, 10}, 1, kNine, fitted.geometry, 30, 20);
  ASSERT_TRUE(region);
  EXPECT_THAT(region->rects, testing::ElementsAre(Rect{3, 3, 27, 17}));
}

TEST(ControlRegion, FitsTheMaskBorderToTheNewSize) {
  // Black everywhere but the top-left pixel: a clipped corner.
  std::vector<Point> black;
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 12; ++x)
      if (x || y) black.push_back({x, y});
  const Bitmap mask = Mask(12, 10, black);
  const auto fitted = skin::NewGeometry(1, {0, 0, 12, 10}, kNine, 30, 20);
  const auto region = skin::ControlRegion(mask, {0, 0, 12, 10}, 1, kNine, fitted.geometry, 30, 20);
  ASSERT_TRUE(region);
  EXPECT_EQ(region->rects[0], (Rect{3, 3, 27, 17}));
  EXPECT_EQ(region->rects[1], (Rect{1, 0, 30, 1}));  // the top row, without the clipped corner
  EXPECT_EQ(region->rects[2], (Rect{0, 1, 30, 2}));

  const auto fixed = skin::ControlRegion(mask, {0, 0, 12, 10}, 0, kNine, kNine, 12, 10);
  EXPECT_EQ(fixed->rects.front(), (Rect{1, 0, 12, 1}));
  EXPECT_EQ(fixed->rects.size(), 10u);

  PieceGeometry crossed = fitted.geometry;
  crossed.rt.x = crossed.lt.x - 1;
  EXPECT_FALSE(skin::ControlRegion(mask, {0, 0, 12, 10}, 1, kNine, crossed, 30, 20));
  EXPECT_FALSE(skin::ControlRegion(Bitmap{}, {0, 0, 12, 10}, 1, kNine, fitted.geometry, 30, 20));
}

TEST(ControlRegion, AWidthOnlyEntryKeepsItsMaskedEndsAtBothSides) {
  // 6 x 2 with its outer columns white: the ends are cut away.
  const Bitmap mask = Mask(6, 2, {{1, 0}, {2, 0}, {3, 0}, {4, 0}, {1, 1}, {2, 1}, {3, 1}, {4, 1}});
  const PieceGeometry g{{2, 0}, {4, 0}, {}, {}, {2, 0, 4, 2}};
  const auto fitted = skin::NewGeometry(2, {0, 0, 6, 2}, g, 10, 2);
  const auto region = skin::ControlRegion(mask, {0, 0, 6, 2}, 2, g, fitted.geometry, 10, 2);
  ASSERT_TRUE(region);
  EXPECT_THAT(region->rects,
              testing::ElementsAre(Rect{2, 0, 8, 2}, Rect{1, 0, 2, 1}, Rect{1, 1, 2, 2}, Rect{8, 0, 9, 1},
                                   Rect{8, 1, 9, 2}));
}

}  // namespace
