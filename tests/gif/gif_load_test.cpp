// Reading GIF streams into frames: the header, extensions, images, and the
// damaged and hostile inputs the loader must survive.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "gif/GifErrors.h"
#include "gif/GifWriter.h"
#include "gif/TGIFImage.h"
#include "platform/FileSystem.h"

namespace {

using gif::TGIFImage;
using gif_test::TestFrame;
using gif_test::GifWriter;

const std::vector<std::uint32_t> kFourColors = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};

TestFrame Solid(int width, int height, std::uint8_t index) {
  TestFrame frame;
  frame.width = width;
  frame.height = height;
  frame.pixels.assign(static_cast<std::size_t>(width * height), index);
  return frame;
}

std::string LoadError(const std::string& bytes) {
  TGIFImage image;
  try {
    image.LoadFromMemory(bytes);
  } catch (const std::exception& error) {
    return error.what();
  }
  return "";
}

TEST(GifLoad, SignatureAndVersionIgnoreCaseButUnknownVersionsAreRefused) {
  for (const char* header : {"gif89a", "GIF89A", "GiF87a"}) {
    TGIFImage image;
    image.LoadFromMemory(GifWriter(2, 2, kFourColors, 0, header).Frame(Solid(2, 2, 1)).Finish());
    EXPECT_EQ(image.FrameCount(), 1) << header;
  }
  EXPECT_EQ(LoadError(GifWriter(2, 2, kFourColors, 0, "GIF90a").Frame(Solid(2, 2, 1)).Finish()),
            "Неизвестная версия изображения GIF");
  EXPECT_EQ(LoadError("PNG89a"), "Неизвестная версия изображения GIF");
}

TEST(GifLoad, EmptyStreamGivesEmptyImageAndTellsOnChange) {
  TGIFImage image;
  int changes = 0;
  image.OnChange = [&] { ++changes; };
  image.LoadFromMemory("");
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(image.Empty());
  EXPECT_EQ(image.LogicalWidth(), 0);
  EXPECT_EQ(image.ActiveFrame(), -1);
}

TEST(GifLoad, ScreenFramesAndBackground) {
  TestFrame zeroSized = Solid(5, 3, 2);
  TGIFImage image;
  std::string bytes = GifWriter(5, 3, kFourColors, 2).Frame(zeroSized).Finish();
  // Descriptor width and height of the first image set to 0: the screen's apply.
  const std::size_t descriptor = bytes.find(',', 13 + 12 + 8);
  bytes[descriptor + 5] = bytes[descriptor + 6] = bytes[descriptor + 7] = bytes[descriptor + 8] = 0;
  image.LoadFromMemory(bytes);
  ASSERT_EQ(image.FrameCount(), 1);
  EXPECT_EQ(image.Frame(0).Width(), 5);
  EXPECT_EQ(image.Frame(0).Height(), 3);
  EXPECT_EQ(image.GifVersion(), gif::GifVersion89a);
  EXPECT_EQ(image.BackgroundColor(), gif::ColorFromRgb(0, 0, 255));
  EXPECT_EQ(image.Width(), 5);
  EXPECT_THROW(image.SetWidth(3), gif::EGIFError);
}

TEST(GifLoad, GraphicControlRules) {
  TestFrame plain = Solid(2, 2, 1);
  plain.graphicControl = false;
  const std::string gc10 = std::string("\x21\xF9\x04\x09\x0A\x00\x01\x00", 8);  // transparent 1, delay 10, keep
  const std::string gc5 = std::string("\x21\xF9\x04\x08\x05\x00\x00\x00", 8);   // delay 5, background
  const std::string plainText = std::string("\x21\x01\x0C", 3) + std::string(12, 'x') + std::string("\x01z\x00", 3);
  TGIFImage image;
  image.LoadFromMemory(GifWriter(2, 2, kFourColors)
                           .Raw(gc10 + gc5).Frame(plain)
                           .Raw(gc10 + plainText).Frame(plain)
                           .Raw(std::string("\x21\xF9\x04\x01\x58\x1B\x04\x00", 8)).Frame(plain)  // 7000, index 4
                           .Finish());
  ASSERT_EQ(image.FrameCount(), 3);
  EXPECT_EQ(image.Frame(0).DelayMs, 100);
  EXPECT_EQ(image.Frame(0).Disposal, gif::DisposalBackground);
  EXPECT_EQ(image.Frame(0).TransparentColor, gif::clNone);  // the second extension clears it
  EXPECT_EQ(image.Frame(1).DelayMs, 0);
  EXPECT_EQ(image.Frame(1).TransparentColor, gif::clNone);
  EXPECT_TRUE(image.Frame(1).Extensions.empty());
  EXPECT_EQ(image.Frame(2).DelayMs, 4464);
  EXPECT_EQ(image.Frame(2).TransparentColor, gif::clNone);  // index equal to the colour count
  EXPECT_FALSE(image.Transparent());
}

TEST(GifLoad, TransparentColorIsTheTableEntry) {
  TestFrame frame = Solid(2, 2, 1);
  frame.transparentIndex = 2;
  TGIFImage image;
  image.LoadFromMemory(GifWriter(2, 2, kFourColors).Frame(frame).Finish());
  EXPECT_EQ(image.Frame(0).TransparentColor, gif::ColorFromRgb(0, 0, 255));
  EXPECT_TRUE(image.Transparent());
  image.TransparentSwitch = false;
  EXPECT_FALSE(image.Transparent());
}

TEST(GifLoad, BytesBetweenAndAfterImages) {
  const TestFrame frame = Solid(2, 2, 1);
  TGIFImage skipped;
  skipped.LoadFromMemory(GifWriter(2, 2, kFourColors).Frame(frame).Raw(std::string("\0\0", 2)).Frame(frame).Finish());
  EXPECT_EQ(skipped.FrameCount(), 2);

  TGIFImage stray;
  stray.LoadFromMemory(GifWriter(2, 2, kFourColors).Frame(frame).Raw("X").Frame(frame).Finish());
  EXPECT_EQ(stray.FrameCount(), 1);

  EXPECT_EQ(LoadError(GifWriter(2, 2, kFourColors).Raw("X").Frame(frame).Finish()), "Stream read error");
}

TEST(GifLoad, CommentsAfterTheLastImage) {
  TGIFImage image;
  image.LoadFromMemory(GifWriter(2, 2, kFourColors).Frame(Solid(2, 2, 1)).Comment("one").Comment("two").Finish());
  EXPECT_THAT(image.SharedData().Comments, testing::ElementsAre("one", "\r\n\r\n", "two"));

  // A comment before an image is that frame's own.
  image.LoadFromMemory(GifWriter(2, 2, kFourColors).Comment("mine").Frame(Solid(2, 2, 1)).Finish());
  EXPECT_TRUE(image.SharedData().Comments.empty());
  EXPECT_THAT(image.Frame(0).Comments(), testing::ElementsAre("mine"));
}

TEST(GifLoad, LoopExtension) {
  TGIFImage image;
  image.LoadFromMemory(GifWriter(2, 2, kFourColors).Loop(0xFFFF).Frame(Solid(2, 2, 1)).Finish());
  EXPECT_TRUE(image.HasLoopExtension());
  EXPECT_EQ(image.LoopCount(), 30000);
  TGIFImage none;
  none.LoadFromMemory(GifWriter(2, 2, kFourColors).Frame(Solid(2, 2, 1)).Finish());
  EXPECT_FALSE(none.HasLoopExtension());
  EXPECT_EQ(none.LoopCount(), 1);
}

TEST(GifLoad, FailuresCarryTheirMessages) {
  EXPECT_EQ(LoadError(GifWriter(2, 2, kFourColors).Raw("\x21\x42").Finish()), "Неопределенное расширение GIF: 42");
  EXPECT_EQ(LoadError(GifWriter(2, 2, kFourColors).Raw("\x21\xab").Finish()), "Неопределенное расширение GIF: AB");
  // A descriptor cut short.
  EXPECT_EQ(LoadError(GifWriter(2, 2, kFourColors).Raw(",\x01\x02").Finish(false)), "Stream read error");

  TGIFImage noColors;
  int changes = 0;
  noColors.OnChange = [&] { ++changes; };
  EXPECT_THROW(noColors.LoadFromMemory(GifWriter(2, 2, {}).Frame(Solid(2, 2, 1)).Finish()), gif::EGIFError);
  EXPECT_EQ(LoadError(GifWriter(2, 2, {}).Frame(Solid(2, 2, 1)).Finish()),
            "Неверное число цветов; должно быть степенью числа 2");
  EXPECT_EQ(noColors.FrameCount(), 0);
  EXPECT_EQ(changes, 0);

  TGIFImage missing;
  try {
    missing.LoadFile("/nonexistent/banner.gif");
    FAIL();
  } catch (const platform::FileError& error) {
    EXPECT_STREQ(error.what(), "Cannot open file \"/nonexistent/banner.gif\". No such file or directory");
  }
}

TEST(GifLoad, HugePicturesAreRefusedBeforeAllocation) {
  EXPECT_THAT(LoadError(GifWriter(65535, 65535, kFourColors).Frame(Solid(1, 1, 0)).Finish()),
              testing::HasSubstr("logical screen of 65535 x 65535 pixels is too large"));
  std::string bytes = GifWriter(16, 16, kFourColors).Frame(Solid(1, 1, 0)).Finish();
  const std::size_t descriptor = bytes.find(',', 13 + 12 + 8);
  bytes[descriptor + 5] = bytes[descriptor + 6] = bytes[descriptor + 7] = bytes[descriptor + 8] = '\xFF';
  EXPECT_THAT(LoadError(bytes), testing::HasSubstr("frame of 65535 x 65535 pixels is too large"));
}

TEST(GifLoad, DataCutInsideASubBlockMarksTheFrameCorrupted) {
  const std::string whole = GifWriter(8, 8, kFourColors).Frame(Solid(8, 8, 2)).Finish(false);
  TGIFImage image;
  image.LoadFromMemory(whole.substr(0, whole.size() - 3));
  ASSERT_EQ(image.FrameCount(), 1);
  EXPECT_TRUE(image.Frame(0).DataCorrupted);
}

TEST(GifLoad, ExtensionCutOffAfterTheLastImageKeepsTheFrames) {
  const std::string frames = GifWriter(2, 2, kFourColors).Frame(Solid(2, 2, 1)).Frame(Solid(2, 2, 2)).Finish(false);
  const std::string tails[] = {
      std::string("\x21\xFE\x03two\x10" "cut", 10),              // comment cut inside its second block
      std::string("\x21\xFF\x0B" "NETSCAPE2.0" "\x03\x01", 16),  // loop extension cut inside its block
      std::string("\x21\xF9\x04\x00\x05\x00\x00\x00\x21", 9),    // cut right after an introducer
  };
  for (const std::string& tail : tails) {
    TGIFImage image;
    int changes = 0;
    image.OnChange = [&] { ++changes; };
    image.LoadFromMemory(frames + tail);
    EXPECT_EQ(image.FrameCount(), 2);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(image.Frame(0).HasBitmap());
  }
  TGIFImage comment;
  comment.LoadFromMemory(frames + tails[0]);
  EXPECT_THAT(comment.SharedData().Comments, testing::ElementsAre("two"));
  // Without a frame before the cut there is nothing to show.
  EXPECT_EQ(LoadError(GifWriter(2, 2, kFourColors).Raw(tails[0]).Finish(false)), "Stream read error");
}

TEST(GifLoad, StreamsAreReadFromTheirPositionAndMustHoldWhatIsAnnounced) {
  const std::string gif = GifWriter(2, 2, kFourColors).Frame(Solid(2, 2, 1)).Finish();
  std::istringstream stream("junk" + gif);
  stream.seekg(4);
  TGIFImage image;
  image.LoadStream(stream);
  EXPECT_EQ(image.FrameCount(), 1);

  std::istringstream shortStream(gif);
  try {
    image.ReadGifStream(static_cast<std::int64_t>(gif.size()) + 1, shortStream, true);
    FAIL();
  } catch (const gif::EGIFError& error) {
    EXPECT_STREQ(error.what(), "Stream read error");
  }
  EXPECT_EQ(image.FrameCount(), 0);

  // Without the decode-first switch, frame 0 stays encoded, so a frame 0
  // that cannot be decoded still loads.
  TestFrame noColours = Solid(2, 2, 1);
  const std::string colourless = GifWriter(2, 2, {}).Frame(noColours).Finish();
  std::istringstream lazy(colourless);
  image.ReadGifStream(static_cast<std::int64_t>(colourless.size()), lazy, false);
  ASSERT_EQ(image.FrameCount(), 1);
  EXPECT_FALSE(image.Frame(0).HasBitmap());
  EXPECT_THROW(image.Frame(0).Bitmap(), gif::EGIFError);
}

TEST(GifLoad, AssignSharesFramesAndTellsOnChange) {
  TGIFImage source;
  source.LoadFromMemory(GifWriter(3, 2, kFourColors).Frame(Solid(3, 2, 1)).Frame(Solid(3, 2, 2)).Finish());
  TGIFImage copy;
  int changes = 0;
  copy.OnChange = [&] { ++changes; };
  copy.Assign(source);
  EXPECT_EQ(changes, 1);
  ASSERT_EQ(copy.FrameCount(), 2);
  EXPECT_EQ(copy.Frame(1).Item, source.Frame(1).Item);
  EXPECT_EQ(copy.Frame(1).Bitmap().indexes[0], 2);
}

}  // namespace
