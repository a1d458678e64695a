#include <gtest/gtest.h>

#include "platform/ShortDate.h"

namespace {

TEST(ShortDate, LocalePatternsMapUnpadded) {
  EXPECT_EQ(platform::ShortDatePatternFromStrftime("%m/%d/%Y"), "M/d/yyyy");  // en_US
  EXPECT_EQ(platform::ShortDatePatternFromStrftime("%d.%m.%Y"), "d.M.yyyy");  // de_DE
  EXPECT_EQ(platform::ShortDatePatternFromStrftime("%d/%m/%y"), "d/M/yyyy");  // en_GB
  EXPECT_EQ(platform::ShortDatePatternFromStrftime("%F"), "yyyy-M-d");
  EXPECT_EQ(platform::ShortDatePatternFromStrftime("%-m/%e/%Y"), "M/d/yyyy");
}

TEST(ShortDate, PatternWithoutADateFallsBackToUs) {
  EXPECT_EQ(platform::ShortDatePatternFromStrftime(""), "M/d/yyyy");
  EXPECT_EQ(platform::ShortDatePatternFromStrftime("%A"), "M/d/yyyy");
}

TEST(ShortDate, Formats) {
  EXPECT_EQ(platform::FormatDate("M/d/yyyy", 2007, 12, 13), "12/13/2007");
  EXPECT_EQ(platform::FormatDate("M/d/yyyy", 2008, 7, 5), "7/5/2008");
  EXPECT_EQ(platform::FormatDate("dd.MM.yy", 2008, 7, 5), "05.07.08");
}

TEST(ShortDate, CLocaleGivesUsPattern) {
  setenv("LC_ALL", "C", 1);
  EXPECT_EQ(platform::ShortDateFormat(), "M/d/yyyy");
  unsetenv("LC_ALL");
}

}  // namespace
