#include <gtest/gtest.h>

#include "model/FieldEncoding.h"

namespace {

TEST(FieldEncoding, PlainCodePageTextIsWrittenAsItIs) {
  EXPECT_EQ(EncodeField("Write Web Sales Copy", Caret::kEscaped), "Write Web Sales Copy");
  EXPECT_EQ(EncodeField("Café €", Caret::kEscaped), "Caf\xE9 \x80");
  EXPECT_EQ(EncodeField("a^b", Caret::kKept), "a^b");
}

TEST(FieldEncoding, EscapesWhatTheLineFormatCannotHold) {
  EXPECT_EQ(EncodeField("a^b", Caret::kEscaped), "a\x1B" "5E;b");
  EXPECT_EQ(EncodeField("1\r\n2", Caret::kKept), "1\x1B" "D;\x1B" "A;2");
  EXPECT_EQ(EncodeField("中", Caret::kKept), "\x1B" "4E2D;");
  EXPECT_EQ(EncodeField("😀", Caret::kKept), "\x1B" "1F600;");
  EXPECT_EQ(EncodeField("\x1B", Caret::kKept), "\x1B" "1B;");
}

TEST(FieldEncoding, DecodingKeepsMalformedEscapesLiterally) {
  EXPECT_EQ(DecodeField("a\x1B" "5E;b"), "a^b");
  EXPECT_EQ(DecodeField("\x1B" "5e;"), "^");
  EXPECT_EQ(DecodeField("\x1B"), "\x1B");
  EXPECT_EQ(DecodeField("\x1BZZ;"), "\x1BZZ;");
  EXPECT_EQ(DecodeField("\x1B" "110000;"), "\x1B" "110000;") << "beyond Unicode";
  EXPECT_EQ(DecodeField("\x1B" "D800;"), "\x1B" "D800;") << "a surrogate is no character";
  EXPECT_EQ(DecodeField("\x1B" "1234567;"), "\x1B" "1234567;");
}

}  // namespace
