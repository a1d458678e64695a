#include <gtest/gtest.h>

#include "ui/controls/DateMask.h"

using datemask::Format;
using datemask::Parse;
using datemask::TDate;

TEST(DateMaskTest, SingleDigitsAreLedByABlankUnlessThePatternPadsWithZeros) {
  EXPECT_EQ(Format("M/d/yyyy", {2008, 7, 5}), " 7/ 5/2008");
  EXPECT_EQ(Format("M/d/yyyy", {2007, 12, 13}), "12/13/2007");
  EXPECT_EQ(Format("dd.MM.yyyy", {2008, 7, 5}), "05.07.2008");
  EXPECT_EQ(Format("d/M/yy", {2008, 7, 5}), " 5/ 7/08");
  EXPECT_EQ(Format("yyyy-M-d", {2008, 7, 5}), "2008- 7- 5");
}

TEST(DateMaskTest, ParsesOnlyTextsThatAreADateInThePatternsForm) {
  EXPECT_EQ(Parse("M/d/yyyy", " 7/ 5/2008"), (TDate{2008, 7, 5}));
  EXPECT_EQ(Parse("M/d/yyyy", "02/29/2008"), (TDate{2008, 2, 29}));
  for (const char* no_date : {"7/5/2008", " 7/ 5/2008 ", "  / 5/2008", "1 / 5/2008", "13/ 5/2008",
                              " 0/ 5/2008", " 2/30/2008", " 2/29/2007", " 7- 5/2008", " 7/ 5/    ",
                              " 7/ 5/200a", "", "\xff\xff/ 5/2008"})
    EXPECT_FALSE(Parse("M/d/yyyy", no_date)) << '"' << no_date << '"';
  EXPECT_EQ(Parse("d/M/yy", "29/ 2/00"), (TDate{2000, 2, 29}));
}

TEST(DateMaskTest, KnowsWhereTheSeparatorsAre) {
  EXPECT_FALSE(datemask::IsSeparatorAt("M/d/yyyy", 1));
  EXPECT_TRUE(datemask::IsSeparatorAt("M/d/yyyy", 2));
  EXPECT_TRUE(datemask::IsSeparatorAt("M/d/yyyy", 5));
  EXPECT_FALSE(datemask::IsSeparatorAt("M/d/yyyy", 99));
}

TEST(DateMaskTest, LongerPatternsAndSeparatorsBeyondAsciiKeepOneSlotPerCharacter) {
  // Slovenian and Japanese short dates run past 10 characters.
  EXPECT_EQ(Format("d. M. yyyy", {2008, 7, 5}), " 5.  7. 2008");
  EXPECT_EQ(Parse("d. M. yyyy", " 5.  7. 2008"), (TDate{2008, 7, 5}));
  const std::string japanese = "yyyy\u5e74M\u6708d\u65e5";
  EXPECT_EQ(Format(japanese, {2008, 7, 5}), "2008\u5e74 7\u6708 5\u65e5");
  EXPECT_EQ(Parse(japanese, "2008\u5e7412\u670831\u65e5"), (TDate{2008, 12, 31}));
  EXPECT_FALSE(Parse(japanese, "2008\u5e74 7\u6708 5\u65e5 "));
  EXPECT_FALSE(Parse(japanese, "2008\u5e74 7\u6708 5"));
  EXPECT_FALSE(Parse(japanese, "2008/ 7\u6708 5\u65e5"));
  // Character positions, as the field's cursor counts them: "2008年 7月 5日".
  EXPECT_TRUE(datemask::IsSeparatorAt(japanese, 4));
  EXPECT_FALSE(datemask::IsSeparatorAt(japanese, 5));
  EXPECT_FALSE(datemask::IsSeparatorAt(japanese, 6));
  EXPECT_TRUE(datemask::IsSeparatorAt(japanese, 7));
  EXPECT_FALSE(datemask::IsSeparatorAt(japanese, 9));
  EXPECT_TRUE(datemask::IsSeparatorAt(japanese, 10));
  EXPECT_FALSE(datemask::IsSeparatorAt(japanese, 11));
}
