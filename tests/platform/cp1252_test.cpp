#include <gtest/gtest.h>

#include "platform/Cp1252.h"
#include "platform/Utf8.h"

namespace {

TEST(Cp1252, EveryByteSurvivesTheWayToUtf8AndBack) {
  for (int byte = 1; byte < 256; ++byte) {
    const char32_t c = platform::Cp1252ToCodePoint(static_cast<unsigned char>(byte));
    const auto back = platform::CodePointToCp1252(c);
    ASSERT_TRUE(back.has_value()) << byte;
    EXPECT_EQ(*back, byte);
  }
}

TEST(Cp1252, DiffersFromLatin1WhereWindowsDoes) {
  EXPECT_EQ(platform::Cp1252ToUtf8("Caf\xE9"), "Café");
  EXPECT_EQ(platform::Cp1252ToUtf8("\x80 \x99 \x9F"), "€ ™ Ÿ");
  EXPECT_EQ(platform::CodePointToCp1252(U'€'), 0x80);
  EXPECT_FALSE(platform::CodePointToCp1252(U'中').has_value());
  EXPECT_FALSE(platform::CodePointToCp1252(0x80).has_value()) << "U+0080 is not in the code page";
}

TEST(Utf8, MalformedBytesReadAsReplacementOneAtATime) {
  const std::string text = "a\xC3(\xE2\x82\xAC\xF0\x9F";
  size_t position = 0;
  std::u32string read;
  while (position < text.size()) read += platform::NextCodePoint(text, position);
  EXPECT_EQ(read, U"a\uFFFD(€\uFFFD\uFFFD");
}

}  // namespace
