#include <gtest/gtest.h>

#include "platform/ErrorReport.h"
#include "skin/IniText.h"
#include "skin/SkinError.h"
#include "skin/SkinSection.h"

namespace {

using skin::IniText;
using skin::SkinSection;

TEST(SkinIniText, MatchesSectionsAndKeysWithoutCaseAndTrimsBlanks) {
  const IniText ini("; a comment\r\n[FormInfo]\r\n  BorderWidth = 4 \r\n[forminfo]\r\nborderwidth=9\r\n");
  EXPECT_TRUE(ini.HasSection("FORMINFO"));
  EXPECT_EQ(ini.Value("FORMINFO", "borderwidth"), "4");  // the first section counts
  EXPECT_FALSE(ini.Value("FORMINFO", "missing"));
  EXPECT_FALSE(ini.Value("NOSECTION", "borderwidth"));
}

TEST(SkinIniText, IndexedValuesTakeOnlyPlainIndexesBelowTheCount) {
  const IniText ini("[L]\nx2=c\nx0=a\nx07=no\nx3=beyond\nx1=b\n");
  const auto values = ini.IndexedValues("L", "x", 3);
  ASSERT_EQ(values.size(), 3u);
  EXPECT_EQ(values.at(0), "a");
  EXPECT_EQ(values.at(1), "b");
  EXPECT_EQ(values.at(2), "c");
  // A huge count costs nothing beyond the keys that are there.
  EXPECT_EQ(ini.IndexedValues("L", "x", 2147483647).size(), 4u);
}

TEST(SkinValues, NameListsReadItemsWithOrWithoutTheListsName) {
  const IniText ini("[P]\nactivepicturescount=3\nactivepictures0=a.bmp\n1=b.bmp\nactivepictures1=first.bmp\n"
                    "activepictures9=beyond.bmp\n");
  const auto list = SkinSection(ini, "P").ReadNameList("activepictures");
  EXPECT_EQ(list.count, 3);
  ASSERT_EQ(list.items.size(), 2u);
  EXPECT_EQ(list.items.at(0), "a.bmp");
  EXPECT_EQ(list.items.at(1), "first.bmp");  // the list's own name wins
}

struct Values {
  int integer = -1;
  bool flag = true;
  skin::Point point{7, 7};
  skin::Rect rect;
  skin::FontStyle style;
  skin::Alignment alignment = skin::Alignment::Center;
  skin::MorphKind morph = skin::MorphKind::Default;
  skin::InactiveEffect effect = skin::InactiveEffect::Brightness;
  skin::Command command = skin::Command::Default;
};

Values ReadAll(const std::string& body) {
  const IniText ini("[S]\n" + body);
  const SkinSection s(ini, "S");
  Values v;
  s.Read("integer", v.integer);
  s.Read("flag", v.flag);
  s.Read("point", v.point);
  s.Read("rect", v.rect);
  s.Read("style", v.style);
  s.Read("alignment", v.alignment);
  s.Read("morph", v.morph);
  s.Read("effect", v.effect);
  s.Read("command", v.command);
  return v;
}

TEST(SkinValues, AbsentKeysKeepTheirDefaults) {
  const Values v = ReadAll("");
  EXPECT_EQ(v.integer, -1);
  EXPECT_TRUE(v.flag);
  EXPECT_EQ(v.point, (skin::Point{7, 7}));
  EXPECT_EQ(v.alignment, skin::Alignment::Center);
  EXPECT_EQ(v.effect, skin::InactiveEffect::Brightness);
  EXPECT_EQ(v.command, skin::Command::Default);
}

TEST(SkinValues, ReadsEachSyntax) {
  const Values v = ReadAll(
      "integer=16777215\nflag=1\npoint=3,4\nrect=1,2,3,4\nstyle=fsbold,fsunderline\n"
      "alignment=taleftjustify\nmorph=mkpush\neffect=ieinvert\ncommand=cmclose\n");
  EXPECT_EQ(v.integer, 16777215);
  EXPECT_TRUE(v.flag);
  EXPECT_EQ(v.point, (skin::Point{3, 4}));
  EXPECT_EQ(v.rect, (skin::Rect{1, 2, 3, 4}));
  EXPECT_EQ(v.style, (skin::FontStyle{true, false, true, false}));
  EXPECT_EQ(v.alignment, skin::Alignment::LeftJustify);
  EXPECT_EQ(v.morph, skin::MorphKind::Push);
  EXPECT_EQ(v.effect, skin::InactiveEffect::Invert);
  EXPECT_EQ(v.command, skin::Command::Close);
}

TEST(SkinValues, UnknownTextsFallBackPerKind) {
  const Values v = ReadAll(
      "integer=12abc\nflag=2\nalignment=TACENTER\nmorph=mkwobble\neffect=ieblur\ncommand=cmfly\n");
  EXPECT_EQ(v.integer, -1);  // not an integer: the default stays
  EXPECT_FALSE(v.flag);      // only 1 is true
  EXPECT_EQ(v.alignment, skin::Alignment::RightJustify);  // values are matched as written
  EXPECT_EQ(v.morph, skin::MorphKind::Default);
  EXPECT_EQ(v.effect, skin::InactiveEffect::Grayscale);
  EXPECT_EQ(v.command, skin::Command::MinimizeToTray);
}

TEST(SkinValues, PointsAndRectanglesKeepOnlyDigits) {
  EXPECT_EQ(ReadAll("rect=-5,2,10,20\n").rect, (skin::Rect{5, 2, 10, 20}));
  EXPECT_EQ(ReadAll("rect= 1 , 2x,3,4,99\n").rect, (skin::Rect{1, 2, 3, 4}));
  EXPECT_EQ(ReadAll("point=-1,-2\n").point, (skin::Point{1, 2}));
}

TEST(SkinValues, APartWithoutDigitsIsNoValidIntegerAndNamesItsLine) {
  for (const char* line : {"rect=1,,3,4", "rect=1,2,3", "point=a,1", "rect="}) {
    try {
      ReadAll(std::string(line) + "\n");
      ADD_FAILURE() << line;
    } catch (const skin::SkinError& e) {
      EXPECT_STREQ(e.what(), "'' is not a valid integer value") << line;
      EXPECT_EQ(platform::ErrorText(e), "'' is not a valid integer value: [S] " + std::string(line));
    }
  }
  EXPECT_THROW(ReadAll("rect=99999999999,1,1,1\n"), skin::SkinError);
}

TEST(SkinValues, FontsDefaultToArial14AndReadWithAPrefix) {
  const IniText ini("[S]\nfixedfontname=Verdana\nfixedfontheight=11\nfontcolor=255\n");
  const SkinSection s(ini, "S");
  skin::SkinFont font, fixed;
  s.ReadFont(font);
  s.ReadFont(fixed, "fixed");
  EXPECT_EQ(font.name, "Arial");
  EXPECT_EQ(font.height, 14);
  EXPECT_EQ(font.colour, 255);
  EXPECT_EQ(fixed.name, "Verdana");
  EXPECT_EQ(fixed.height, 11);
}

}  // namespace
