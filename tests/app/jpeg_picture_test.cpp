#include <gtest/gtest.h>


#include "app/JpegPicture.h"
#include "platform/FileSystem.h"

namespace {

std::string TestData(const std::string& name) {
  return platform::ReadWholeFile(std::string(TARVIK_SOURCE_DIR "/tests/data/app/") + name);
}

TEST(JpegPicture, DecodesToOpaquePixels) {
  const platform::Bitmap bitmap = DecodeJpeg(TestData("banner.jpg"));
  ASSERT_EQ(bitmap.width, 20);
  ASSERT_EQ(bitmap.height, 10);
  const uint32_t pixel = bitmap.At(10, 5);
  EXPECT_EQ(pixel >> 24, 0xFFu);
  EXPECT_NEAR(static_cast<int>((pixel >> 16) & 0xFF), 0xD0, 6);
  EXPECT_NEAR(static_cast<int>((pixel >> 8) & 0xFF), 0x40, 6);
  EXPECT_NEAR(static_cast<int>(pixel & 0xFF), 0x20, 6);
}

TEST(JpegPicture, DamagedDataIsAnErrorNotACrash) {
  const std::string good = TestData("banner.jpg");
  EXPECT_THROW(DecodeJpeg(""), std::runtime_error);
  EXPECT_THROW(DecodeJpeg("GIF89a not a jpeg"), std::runtime_error);
  EXPECT_THROW(DecodeJpeg(good.substr(0, good.size() / 3)), std::runtime_error);
}

}  // namespace
