#include <gtest/gtest.h>

#include "platform/LocaleNumbers.h"

namespace {

TEST(ReadDecimal, WholeNumbersWithTheGivenSeparatorOnly) {
  EXPECT_EQ(platform::ReadDecimal("1.03", '.'), 1.03);
  EXPECT_EQ(platform::ReadDecimal(" -2.5e1 ", '.'), -25.0);
  EXPECT_EQ(platform::ReadDecimal("1,03", ','), 1.03);
  EXPECT_EQ(platform::ReadDecimal("7", '.'), 7.0);
  EXPECT_EQ(platform::ReadDecimal(".5", '.'), 0.5);
  for (const char* bad : {"1,03", "", " ", "1.0.3", "1.03x", "0x10", "inf", "nan", "1e", ".", "+", "1 2"})
    EXPECT_FALSE(platform::ReadDecimal(bad, '.').has_value()) << bad;
  EXPECT_FALSE(platform::ReadDecimal("1.03", ',').has_value());
}

TEST(FormatGeneral15, WidenedSingleOfTheRelease) {
  EXPECT_EQ(platform::FormatGeneral15(static_cast<long double>(1.02f), '.'), "1.01999998092651");
  EXPECT_EQ(platform::FormatGeneral15(static_cast<long double>(1.02f), ','), "1,01999998092651");
  EXPECT_EQ(platform::FormatGeneral15(2.0L, '.'), "2");
}

}  // namespace
