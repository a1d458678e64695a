#include "net/TNetHeaderList.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::ElementsAre;

TNetHeaderList ListOf(std::initializer_list<const char*> lines, int fold_length = 78) {
  TNetHeaderList list(fold_length);
  for (const char* line : lines) list.Add(line);
  return list;
}

TEST(TNetHeaderList, NamesMatchWithoutCaseButWithTheirBlanks) {
  const TNetHeaderList list = ListOf({"content-length: 12", "X-A:b", "Odd :v", "no colon"});
  EXPECT_EQ(list.Names(0), "CONTENT-LENGTH");
  EXPECT_EQ(list.Value("Content-Length"), "12");
  EXPECT_EQ(list.Value("x-a"), "b");
  EXPECT_EQ(list.Names(2), "ODD ");
  EXPECT_EQ(list.IndexOfName("Odd"), -1);
  EXPECT_EQ(list.Names(3), "");
  EXPECT_EQ(list.Values(3), "o colon");
  EXPECT_EQ(list.Values(-1), "");
  EXPECT_EQ(list.Values(4), "");
  EXPECT_EQ(list.Value("Missing"), "");
}

TEST(TNetHeaderList, UnfoldsContinuationLinesWithOneBlank) {
  const TNetHeaderList list = ListOf({"Title: first  ", "\t second", "  third ", "Next: x"});
  EXPECT_EQ(list.Value("Title"), "first second third");
  EXPECT_EQ(list.Value("Next"), "x");
}

TEST(TNetHeaderList, AllValuesInOrderButValueGivesTheFirst) {
  const TNetHeaderList list =
      ListOf({"Set-cookie: a=1", "Other: o", "SET-COOKIE: b=2;", " path=/"});
  EXPECT_THAT(list.AllValues("Set-Cookie"), ElementsAre("a=1", "b=2; path=/"));
  EXPECT_EQ(list.Value("set-cookie"), "a=1");
}

TEST(TNetHeaderList, SettingReplacesInPlaceAndDropsContinuationLines) {
  TNetHeaderList list = ListOf({"Host: old", " more", "Accept: x"});
  list.SetValue("HOST", "new");
  EXPECT_THAT(list.Lines(), ElementsAre("HOST: new", "Accept: x"));
  list.SetValue("Added", "1");
  EXPECT_THAT(list.Lines(), ElementsAre("HOST: new", "Accept: x", "Added: 1"));
}

TEST(TNetHeaderList, SettingEmptyRemovesTheLineAndItsContinuation) {
  TNetHeaderList list = ListOf({"A: 1", "B: 2", "\t2b", "C: 3"});
  list.SetValue("b", "");
  EXPECT_THAT(list.Lines(), ElementsAre("A: 1", "C: 3"));
  list.SetValue("Absent", "");
  EXPECT_EQ(list.Count(), 2);
}

TEST(TNetHeaderList, FoldsLongValuesAtBreakPointsOutsideQuotes) {
  std::string words;
  for (int i = 0; i < 400; ++i) words += "word ";  // 2000 characters
  TNetHeaderList list(1024);
  list.SetValue("X-Long", words);
  ASSERT_GT(list.Count(), 1);
  for (int i = 0; i < list.Count(); ++i) {
    const std::string& line = list.Lines()[i];
    EXPECT_LE(line.size(), 1024u + 5u);
    EXPECT_NE(line.back(), ' ');
    if (i > 0) {
      EXPECT_EQ(line.front(), ' ');
    }
  }
  // Unfolding gives the value back, less the trailing blank.
  EXPECT_EQ(list.Value("X-Long") + " ", words);

  TNetHeaderList short_list(1024);
  short_list.SetValue("X-Short", std::string(1000, 'a') + " b");
  EXPECT_EQ(short_list.Count(), 1);
}

TEST(TNetHeaderList, FoldKeepsQuotedTextAndUnbreakableText) {
  const auto pieces = TNetHeaderList::Fold("N: \"a b c d e f\", g h", 8);
  EXPECT_THAT(pieces, ElementsAre("N:", " \"a b c d e f\",", "  g h"));
  EXPECT_THAT(TNetHeaderList::Fold(std::string(50, 'x'), 10), ElementsAre(std::string(50, 'x')));
}

}  // namespace
