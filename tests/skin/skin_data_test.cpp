#include "skin/TskData.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/ErrorReport.h"
#include "platform/FileSystem.h"
#include "skin/SkinError.h"
#include "skin/SkinStreams.h"
#include "skin/Zlib.h"
#include "support/TemporaryFolder.h"

namespace {

using skin::SkinMessage;
using skintest::CompressedFile;
using skintest::RecordingWindow;
using skintest::SkinIni;
using skintest::SkinStream;
using testing::ElementsAre;

const std::string kPanelSection =
    "[panel]\r\npictureindex=0\r\nskinrect=0,0,4,4\r\nlefttoppoint=1,1\r\nclientrect=1,1,3,3\r\n"
    "fontname=Tahoma\r\nalignment=taleftjustify\r\n";

std::string Picture(std::uint32_t colour) {
  return skintest::Bmp24(4, 4, [colour](int, int) { return colour; });
}

std::string ValidStream(int version = 3) {
  skintest::StreamPictures pictures;
  pictures.main = Picture(0x102030);
  pictures.active = {Picture(0xFF0000), Picture(0x00FF00)};
  return SkinStream(version, pictures,
                    SkinIni({"caption:caption"}, {"panel:panel", "button:button"}, kPanelSection));
}

// The skin data with its own window list, its owner and one more window.
struct SkinFixture : testing::Test {
  int clock = 0;
  RecordingWindow owner{&clock};
  RecordingWindow other{&clock};
  skin::SkinForms forms;
  skin::SkinFormMembership owner_membership{owner, forms};
  skin::SkinFormMembership other_membership{other, forms};
  TskData data{&owner, forms};
  TemporaryFolder folder;

  void LoadFile(const std::string& bytes) {
    folder.Write("dbskin.dat", bytes);
    data.LoadFromCompressedFile(folder.File("dbskin.dat"));
  }
  // `message` is the error's own text, `shown` what the error report shows
  // the user: the message and any detail after it.
  void ExpectLoadFails(const std::string& bytes, const std::string& message, std::string shown = {}) {
    std::string reported;
    platform::SetErrorPresenter([&](const std::string& text) { reported = text; });
    try {
      LoadFile(bytes);
      ADD_FAILURE() << "loaded";
    } catch (const std::exception& e) {
      EXPECT_EQ(e.what(), message);
      platform::ReportCurrentException();
    }
    platform::SetErrorPresenter({});
    EXPECT_EQ(reported, shown.empty() ? message : shown);
  }
};

TEST_F(SkinFixture, LoadsAValidFileAndTellsTheOwnerFirstThenEveryWindow) {
  LoadFile(CompressedFile(ValidStream()));

  EXPECT_FALSE(data.SkinEmpty());
  EXPECT_THAT(owner.Messages(),
              ElementsAre(SkinMessage::SkinChanging, SkinMessage::SkinChanged, SkinMessage::SkinAfterChange));
  EXPECT_EQ(other.Messages(), owner.Messages());
  for (std::size_t i = 0; i < owner.received.size(); ++i) {
    EXPECT_EQ(owner.received[i].parameter, 1000);
    EXPECT_EQ(owner.received[i].skin_data, &data);
    EXPECT_LT(owner.received[i].order, other.received[i].order);
  }

  EXPECT_EQ(data.SkinInfo().SkinName, "Test");
  EXPECT_EQ(data.MainBitmap().width, 4);
  EXPECT_TRUE(data.MaskBitmap().IsEmpty());
  ASSERT_EQ(data.ActivePictures().size(), 2u);
  EXPECT_EQ(data.ActivePictures()[1].At(0, 0), 0xFF00FF00);
  ASSERT_EQ(data.SkinObjects().size(), 1u);
  ASSERT_EQ(data.SkinControls().size(), 2u);
  const auto* panel = dynamic_cast<const TskDataSkinPanelControl*>(data.FindControl("panel"));
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->SkinRect, (skin::Rect{0, 0, 4, 4}));
  EXPECT_EQ(panel->Font.name, "Tahoma");
  EXPECT_EQ(panel->Font.height, 14);
  EXPECT_EQ(panel->Alignment, skin::Alignment::LeftJustify);
  EXPECT_EQ(panel->BGPictureIndex, -1);
}

TEST_F(SkinFixture, GetControlIndexIsCaseSensitive) {
  LoadFile(CompressedFile(ValidStream()));
  EXPECT_EQ(data.GetControlIndex("panel"), 0);
  EXPECT_EQ(data.GetControlIndex("button"), 1);
  EXPECT_EQ(data.GetControlIndex("Panel"), -1);
  EXPECT_EQ(data.GetObjectIndex("caption"), 0);
  EXPECT_EQ(data.GetObjectIndex("panel"), -1);
}

TEST_F(SkinFixture, AVersion2StreamLoadsLikeVersion3WithoutItsExtraPictures) {
  const std::string v3 = ValidStream(3);
  // Version 2 carries two more flag-and-picture pairs after the mask.
  std::string v2 = ValidStream(2);
  const std::size_t after_mask = 4 + 1 + Picture(0x102030).size() + 1 + 1;
  v2.insert(after_mask, std::string(1, '\0') + Picture(0x0000FF) + std::string(1, '\1'));
  LoadFile(CompressedFile(v2));
  TskData same;
  same.LoadFromCompressedFile([&] {
    folder.Write("v3.dat", CompressedFile(v3));
    return folder.File("v3.dat");
  }());
  EXPECT_FALSE(data.SkinEmpty());
  EXPECT_EQ(data.ActivePictures().size(), same.ActivePictures().size());
  EXPECT_EQ(data.ActivePictures()[0].pixels, same.ActivePictures()[0].pixels);
  EXPECT_EQ(data.SkinControls().size(), same.SkinControls().size());
}

TEST_F(SkinFixture, EntriesWithoutAColonOrWithAnUnknownKindAreSkipped) {
  const std::string ini = SkinIni({"nocolon", "odd:wobbler", "caption:caption"},
                                  {"panel:panel", "justtext", "x:notakind", "tail:bevel"}, kPanelSection);
  LoadFile(CompressedFile(SkinStream(3, {}, ini)));
  ASSERT_EQ(data.SkinObjects().size(), 1u);
  EXPECT_EQ(data.SkinObjects()[0]->IDName, "caption");
  ASSERT_EQ(data.SkinControls().size(), 2u);
  EXPECT_EQ(data.SkinControls()[0]->IDName, "panel");
  EXPECT_EQ(data.SkinControls()[1]->IDName, "tail");
  EXPECT_EQ(data.SkinControls()[1]->Kind, "bevel");
}

TEST_F(SkinFixture, AFileAboveVersion3ChangesNothingAndSaysNothing) {
  LoadFile(CompressedFile(ValidStream()));
  owner.received.clear();
  other.received.clear();
  std::string newer = CompressedFile(ValidStream());
  newer[0] = 4;
  LoadFile(newer);
  EXPECT_FALSE(data.SkinEmpty());
  EXPECT_EQ(data.SkinControls().size(), 2u);
  EXPECT_TRUE(owner.received.empty());
  EXPECT_TRUE(other.received.empty());
}

TEST_F(SkinFixture, AStreamOfVersion4ClearsTheSkinAfterSkinChanging) {
  LoadFile(CompressedFile(ValidStream()));
  owner.received.clear();
  LoadFile(CompressedFile(ValidStream(4)));
  EXPECT_TRUE(data.SkinEmpty());
  EXPECT_TRUE(data.SkinControls().empty());
  EXPECT_THAT(owner.Messages(), ElementsAre(SkinMessage::SkinChanging));
}

TEST_F(SkinFixture, FileHeaderFaultsLeaveTheSkinAsItWas) {
  LoadFile(CompressedFile(ValidStream()));
  owner.received.clear();
  const std::string zlib = skin::DeflateZlib(ValidStream());
  ExpectLoadFails(CompressedFile(3, static_cast<std::int32_t>(zlib.size()) + 1, zlib), "Stream read error");
  ExpectLoadFails(std::string("\3\0", 2), "Stream read error");
  const std::string path = folder.File("dbskin.dat");
  ExpectLoadFails(CompressedFile(3, -1, zlib),
                  "Skin file \"" + path + "\" is damaged: its data length is negative");
  EXPECT_FALSE(data.SkinEmpty());
  EXPECT_EQ(data.SkinControls().size(), 2u);
  EXPECT_TRUE(owner.received.empty());

  try {
    data.LoadFromCompressedFile(folder.File("absent.dat"));
    ADD_FAILURE();
  } catch (const platform::FileError& e) {
    EXPECT_THAT(e.what(), testing::StartsWith("Cannot open file \"" + folder.File("absent.dat") + "\". "));
  }
  // A data length far past the file's end reads what is there and no more.
  ExpectLoadFails(CompressedFile(3, 0x7FFFFFFF, zlib), "Stream read error");
  // Bytes after the data the header counts are never read.
  LoadFile(CompressedFile(3, static_cast<std::int32_t>(zlib.size()), zlib) + std::string(1000, 'x'));
  EXPECT_EQ(data.SkinControls().size(), 2u);
}

TEST_F(SkinFixture, StreamFaultsLeaveTheSkinClearedWithoutSkinChanged) {
  const std::string zlib = skin::DeflateZlib(ValidStream());
  std::string damaged = zlib;
  damaged[damaged.size() / 2] ^= 0x55;
  damaged[damaged.size() / 2 + 1] ^= 0x55;
  std::string bad_picture = ValidStream();
  bad_picture[5] = 'X';  // the main picture's "BM"
  const std::string bad_rect =
      SkinStream(3, {}, SkinIni({}, {"panel:panel", "broken:panel", "after:panel"},
                                kPanelSection + "[broken]\r\nskinrect=1,,2,3\r\n"));
  const struct {
    std::string file;
    std::string message;
    std::size_t controls_kept;
    std::string shown;
  } cases[] = {
      {CompressedFile(3, static_cast<std::int32_t>(damaged.size()), damaged), "compression error", 0, {}},
      {CompressedFile(3, static_cast<std::int32_t>(zlib.size() - 10), zlib.substr(0, zlib.size() - 10)),
       "compression error", 0, {}},
      {CompressedFile(3, 0, zlib), "compression error", 0, {}},  // N = 0: the whole file is taken
      {CompressedFile(bad_picture), "Bitmap image is not valid", 0,
       "Bitmap image is not valid: it does not start with \"BM\""},
      {CompressedFile(bad_rect), "'' is not a valid integer value", 2,
       "'' is not a valid integer value: [broken] skinrect=1,,2,3"},
  };
  for (const auto& c : cases) {
    LoadFile(CompressedFile(ValidStream()));
    owner.received.clear();
    ExpectLoadFails(c.file, c.message, c.shown);
    EXPECT_TRUE(data.SkinEmpty()) << c.message;
    EXPECT_EQ(data.SkinControls().size(), c.controls_kept) << c.message;
    EXPECT_THAT(owner.Messages(), ElementsAre(SkinMessage::SkinChanging)) << c.message;
  }
}

TEST_F(SkinFixture, PicturesThatClaimMoreThanTheSkinsPixelBudgetAreRefused) {
  // A few bytes of run-length data each, every one claiming 4096 x 4096.
  std::string palette(8, '\0');
  const std::string huge = skintest::BmpImage(4096, 4096, 8, 1, palette, std::string("\x00\x01", 2), 2);
  skintest::StreamPictures pictures;
  pictures.active.assign(3, huge);
  ExpectLoadFails(CompressedFile(SkinStream(3, pictures, SkinIni({}, {}))), "Bitmap image is not valid",
                  "Bitmap image is not valid: the skin's pictures together have more than 33554432 pixels");
  EXPECT_TRUE(data.SkinEmpty());
}

TEST_F(SkinFixture, AnEmptyStoredSkinAppliesNothing) {
  TskCompressedStoredSkin empty;
  data.SetCompressedStoredSkin(&empty);
  EXPECT_TRUE(data.SkinEmpty());
  EXPECT_EQ(data.GetControlIndex("panel"), -1);
  EXPECT_TRUE(owner.received.empty());
}

TEST_F(SkinFixture, TheStoredSkinIsAppliedWhenSetAndForgottenWhenItGoes) {
  {
    TskCompressedStoredSkin stored;
    stored.CompressedStream = skin::DeflateZlib(ValidStream());
    data.SetCompressedStoredSkin(&stored);
    EXPECT_EQ(data.CompressedStoredSkin(), &stored);
    EXPECT_FALSE(data.SkinEmpty());
  }
  EXPECT_EQ(data.CompressedStoredSkin(), nullptr);
  EXPECT_FALSE(data.SkinEmpty());  // what was applied stays
}

TEST_F(SkinFixture, AWindowThatLeavesWhileTheMessageGoesRoundIsNotCalledAfterwards) {
  struct Closing : skin::SkinListener {
    std::unique_ptr<skin::SkinFormMembership>* victim = nullptr;
    void OnSkinMessage(SkinMessage, TskData&, int) override { victim->reset(); }
  } closer;
  RecordingWindow late;
  auto late_membership = std::make_unique<skin::SkinFormMembership>(late, forms);
  closer.victim = &late_membership;
  TskData closing_owner(&closer, forms);
  closing_owner.BroadcastToForms(SkinMessage::SkinChanged);
  EXPECT_TRUE(late.received.empty());
  EXPECT_EQ(other.received.size(), 1u);
}

TEST(FormInfo, MaskAreaAndHitTestPointsFollowTheClientRectangle) {
  TskDataSkinFormInfo info;
  info.ClientRect = {4, 30, 196, 116};
  info.LTPoint = {2, 20};
  info.RTPoint = {199, 20};
  info.LBPoint = {2, 119};
  info.RBPoint = {199, 119};
  info.HitTestLTPoint = {0, 5};
  info.HitTestRBPoint = {9, 9};
  info.Normalize(true);
  EXPECT_EQ(info.MaskRectArea, info.ClientRect);
  EXPECT_EQ(info.HitTestLTPoint, (skin::Point{2, 20}));  // taken before the corners move
  EXPECT_EQ(info.HitTestRBPoint, (skin::Point{9, 9}));
  EXPECT_EQ(info.LTPoint, (skin::Point{4, 30}));
  EXPECT_EQ(info.RTPoint, (skin::Point{196, 30}));
  EXPECT_EQ(info.LBPoint, (skin::Point{4, 116}));
  EXPECT_EQ(info.RBPoint, (skin::Point{196, 116}));

  TskDataSkinFormInfo widened;
  widened.ClientRect = {4, 30, 196, 116};
  widened.MaskRectArea = {10, 10, 100, 100};
  widened.LTPoint = widened.RBPoint = {5, 5};  // sharing a coordinate: corners stay
  widened.Normalize(true);
  EXPECT_EQ(widened.MaskRectArea, (skin::Rect{4, 10, 196, 116}));
  EXPECT_EQ(widened.LTPoint, (skin::Point{5, 5}));
}

}  // namespace
