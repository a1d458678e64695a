// The two skins the program ships: the default one built into the
// executable and the example skin file. Every entry the windows name must be
// there, and every piece must lie inside its picture.

#include <gtest/gtest.h>

#include "skin/SkinGeometry.h"
#include "skin/TskData.h"
#include "skin/stored/StoredSkin.h"

namespace {

const char* const kControlNames[] = {
    "button", "buttonedit", "checkbox", "combobox", "edit", "groupbox", "memo",
    "panel", "stdlabel", "tab", "treeview", "listview", "vscrollbar", "hscrollbar",
    "bothhscrollbar", "vsplitter", "resizebutton", "statusgauge", "bevel"};
const char* const kObjectNames[] = {"caption", "closebutton", "minimizebutton", "maximizebutton",
                                    "sysmenubutton", "menuitem"};

bool Inside(const skin::Rect& r, const platform::Bitmap& picture) {
  return r.left >= 0 && r.top >= 0 && r.right <= picture.width && r.bottom <= picture.height;
}

const platform::Bitmap* PictureAt(const TskData& data, int index) {
  if (index < 0 || index >= static_cast<int>(data.ActivePictures().size())) return nullptr;
  return &data.ActivePictures()[static_cast<std::size_t>(index)];
}

// A piece that is repeated to fill a larger control shows a seam unless it
// is uniform along the direction it repeats in.
bool UniformAlong(const platform::Bitmap& picture, const skin::Rect& piece, bool along_x) {
  for (int y = piece.top; y < piece.bottom; ++y) {
    for (int x = piece.left; x < piece.right; ++x) {
      const std::uint32_t first = along_x ? picture.At(piece.left, y) : picture.At(x, piece.top);
      if (picture.At(x, y) != first) return false;
    }
  }
  return true;
}

void ExpectSeamlessPieces(const platform::Bitmap& picture, const skin::Rect& s, const skin::PieceGeometry& g,
                          const std::string& name) {
  const auto at = [&](int l, int t, int r, int b) { return skin::Rect{s.left + l, s.top + t, s.left + r, s.top + b}; };
  const skin::Rect& c = g.client;
  EXPECT_TRUE(UniformAlong(picture, at(g.lt.x, 0, g.rt.x, c.top), true)) << name << " top edge";
  EXPECT_TRUE(UniformAlong(picture, at(g.lb.x, c.bottom, g.rb.x, s.Height()), true)) << name << " bottom edge";
  EXPECT_TRUE(UniformAlong(picture, at(0, g.lt.y, c.left, g.lb.y), false)) << name << " left edge";
  EXPECT_TRUE(UniformAlong(picture, at(c.right, g.rt.y, s.Width(), g.rb.y), false)) << name << " right edge";
  EXPECT_TRUE(UniformAlong(picture, at(c.left, c.top, c.right, c.bottom), true)) << name << " client";
}

void ExpectSeamlessSkin(const TskData& data) {
  const TskDataSkinFormInfo& frame = data.FormInfo();
  ExpectSeamlessPieces(data.MainBitmap(), {0, 0, data.MainBitmap().width, data.MainBitmap().height},
                       {frame.LTPoint, frame.RTPoint, frame.LBPoint, frame.RBPoint, frame.ClientRect}, "frame");
  for (const auto& entry : data.SkinControls()) {
    const auto* custom = dynamic_cast<const TskDataSkinCustomControl*>(entry.get());
    const platform::Bitmap* picture = custom ? PictureAt(data, custom->PictureIndex) : nullptr;
    if (picture == nullptr) continue;
    const skin::Rect& r = custom->SkinRect;
    const skin::PieceGeometry g = skin::GeometryOf(*custom);
    switch (skin::SizingKind(r, g)) {
      case 1: ExpectSeamlessPieces(*picture, r, g, custom->IDName); break;
      case 2:
        EXPECT_TRUE(UniformAlong(*picture, {r.left + g.lt.x, r.top, r.left + g.rt.x, r.bottom}, true))
            << custom->IDName;
        break;
      case 3:
        EXPECT_TRUE(UniformAlong(*picture, {r.left, r.top + g.lt.y, r.right, r.top + g.lb.y}, false))
            << custom->IDName;
        break;
      default: break;
    }
  }
}

void ExpectCompleteSkin(const TskData& data) {
  ASSERT_FALSE(data.SkinEmpty());
  for (const char* name : kControlNames) {
    const TskDataSkinControl* entry = data.FindControl(name);
    ASSERT_NE(entry, nullptr) << name;
    if (entry->PictureIndex < 0) continue;
    const platform::Bitmap* picture = PictureAt(data, entry->PictureIndex);
    ASSERT_NE(picture, nullptr) << name;
    EXPECT_TRUE(Inside(entry->SkinRect, *picture)) << name;
    EXPECT_GT(entry->SkinRect.Width(), 0) << name;
  }
  for (const char* name : kObjectNames) EXPECT_GE(data.GetObjectIndex(name), 0) << name;
  ASSERT_FALSE(data.MainBitmap().IsEmpty());
  EXPECT_EQ(data.MaskBitmap().width, data.MainBitmap().width);
  EXPECT_NE(PictureAt(data, data.PopupWindow().WindowPictureIndex), nullptr);
  EXPECT_NE(PictureAt(data, data.HintWindow().WindowPictureIndex), nullptr);
  EXPECT_NE(PictureAt(data, data.HintWindow().MaskPictureIndex), nullptr);
  const skin::Rect& client = data.FormInfo().ClientRect;
  EXPECT_GT(client.Width(), 0);
  EXPECT_LE(client.right, data.MainBitmap().width);
}

TEST(ShippedSkins, TheStoredSkinCarriesItsNamesAndEveryEntry) {
  TskCompressedStoredSkin stored;
  skin::LoadStoredSkin(stored);
  EXPECT_EQ(stored.FileName, "Modern.skn");
  EXPECT_EQ(stored.CompressedFileName, "Modern.skn");
  skin::SkinForms no_windows;
  TskData data(nullptr, no_windows);
  data.SetCompressedStoredSkin(&stored);
  EXPECT_EQ(data.SkinInfo().SkinName, "Modern");
  ExpectCompleteSkin(data);
  ExpectSeamlessSkin(data);
}

TEST(ShippedSkins, TheExampleSkinFileCarriesEveryEntry) {
  skin::SkinForms no_windows;
  TskData data(nullptr, no_windows);
  data.LoadFromCompressedFile(TARVIK_SOURCE_DIR "/examples/skins/dbskin.dat");
  EXPECT_EQ(data.SkinInfo().SkinName, "Ember");
  ExpectCompleteSkin(data);
  ExpectSeamlessSkin(data);
}

}  // namespace
