#include <gtest/gtest.h>

#include "platform/ProfileFile.h"
#include "support/TemporaryFolder.h"

namespace {

using platform::ProfileFile;

TEST(ProfileFile, Semantics) {
  const ProfileFile profile = ProfileFile::FromText(
      "; a comment\r\n"
      "ignored=before any section\r\n"
      "[Settings]\r\n"
      "AppName =  Marketing Planner  \r\n"
      "Quoted=\"  kept blanks  \"\r\n"
      "Single='x'\r\n"
      "Mismatched=\"x'\r\n"
      "Lone=\"\r\n"
      "Empty=\r\n"
      "Equals=a=b\r\n"
      "AppName=second one is ignored\r\n"
      "  [ other ]  \n"
      "Key=other section\n"
      "[SETTINGS]\n"
      "Late=repeated sections are not searched\n"
      "[Latin]\n"
      "Cafe=Caf\xE9\n");
  struct Case {
    const char* section;
    const char* key;
    const char* value;
  };
  for (const Case c : {Case{"Settings", "AppName", "Marketing Planner"}, Case{"settings", "APPNAME", "Marketing Planner"},
                       Case{"Settings", "Quoted", "  kept blanks  "}, Case{"Settings", "Single", "x"},
                       Case{"Settings", "Mismatched", "\"x'"}, Case{"Settings", "Lone", "\""},
                       Case{"Settings", "Empty", ""}, Case{"Settings", "Equals", "a=b"},
                       Case{"Other", "key", "other section"}, Case{"Settings", "Late", "<default>"},
                       Case{"Settings", "ignored", "<default>"}, Case{"Missing", "AppName", "<default>"},
                       Case{"Latin", "Cafe", "Café"}}) {
    EXPECT_EQ(profile.ReadString(c.section, c.key, "<default>"), c.value) << c.section << "/" << c.key;
  }
}

TEST(ProfileFile, ValuesAreCutTo2047Bytes) {
  const std::string long_value(3000, 'v');
  const ProfileFile profile = ProfileFile::FromText("[S]\nK=" + long_value + "\n");
  EXPECT_EQ(profile.ReadString("S", "K"), std::string(2047, 'v'));
}

TEST(ProfileFile, QuotesComeOffBeforeTheCut) {
  const std::string inner(3000, 'q');
  const ProfileFile profile =
      ProfileFile::FromText("[S]\nLong=\"" + inner + "\"\nFits=\"" + std::string(2047, 'f') + "\"\n");
  EXPECT_EQ(profile.ReadString("S", "Long"), std::string(2047, 'q')) << "no quote is left at either end";
  EXPECT_EQ(profile.ReadString("S", "Fits"), std::string(2047, 'f'));
}

TEST(ProfileFile, LoneCarriageReturnsEndLinesAndTheLastNeedsNoEnd) {
  const ProfileFile profile = ProfileFile::FromText("[S]\rA=1\rB=2\r\n\r\nC=3");
  EXPECT_EQ(profile.ReadString("S", "A"), "1");
  EXPECT_EQ(profile.ReadString("S", "B"), "2");
  EXPECT_EQ(profile.ReadString("S", "C"), "3");
}

TEST(ProfileFile, MissingFileReadsAsEmpty) {
  TemporaryFolder folder;
  EXPECT_EQ(ProfileFile::Load(folder.File("none.ini")).ReadString("S", "K", "d"), "d");
  folder.Write("a.ini", "[APPLICATION]\r\nVersion=1.03\r\n");
  EXPECT_EQ(ProfileFile::Load(folder.File("a.ini")).ReadString("application", "version"), "1.03");
}

}  // namespace
