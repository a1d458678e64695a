#include <gtest/gtest.h>

#include "model/LineFormat.h"
#include "model/UUtils.h"

namespace {

using Parts = std::vector<std::string>;

Parts Split(std::string_view text) {
  Parts parts{"stale"};
  SplitDelimited('^', text, parts);
  return parts;
}

TEST(SplitDelimited, EveryDelimiterClosesAPartButTheTrailingOneAddsNone) {
  EXPECT_EQ(Split("Header^My Ebook^Info Products^ 7/ 5/2008^ 8/ 1/2008^"),
            (Parts{"Header", "My Ebook", "Info Products", " 7/ 5/2008", " 8/ 1/2008"}));
  EXPECT_EQ(Split("a^^b"), (Parts{"a", "", "b"}));
  EXPECT_EQ(Split("^a"), (Parts{"", "a"}));
  EXPECT_EQ(Split("^"), (Parts{""}));
  EXPECT_EQ(Split(""), Parts{});
  EXPECT_EQ(Split("plain"), (Parts{"plain"}));
  EXPECT_EQ(Split("12/13/2007^9:00 AM^^"), (Parts{"12/13/2007", "9:00 AM", ""}));
}

TEST(SplitDelimited, ViewsAndReusedListsGiveTheSameParts) {
  std::vector<std::string_view> views{"a", "b", "c", "d", "e", "f"};
  SplitDelimited('^', "x^^y", views);
  EXPECT_EQ(views, (std::vector<std::string_view>{"x", "", "y"}));
  Parts reused{"longer stale text that must go", "", ""};
  SplitDelimited(',', "1,2", reused);
  EXPECT_EQ(reused, (Parts{"1", "2"}));
}

Parts TaskFields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::string unquoted;
  datafiles::SplitTaskLine(line, fields, unquoted);
  return Parts(fields.begin(), fields.end());
}

TEST(SplitTaskLine, ReadsQuotedFields) {
  EXPECT_EQ(TaskFields("^True^,^Purchase Domain Name^,^^,^^,^^"),
            (Parts{"True", "Purchase Domain Name", "", "", ""}));
  EXPECT_EQ(TaskFields("^False^,^Write Web Sales Copy^,^outline ready^,^ 7/ 6/2008^,^ 7/10/2008^"),
            (Parts{"False", "Write Web Sales Copy", "outline ready", " 7/ 6/2008", " 7/10/2008"}));
}

TEST(SplitTaskLine, QuoteRules) {
  EXPECT_EQ(TaskFields("^a^^b^,x"), (Parts{"a^b", "x"})) << "a doubled quote is one quote";
  EXPECT_EQ(TaskFields("^open field"), (Parts{"open fiel"})) << "an unclosed field loses the last character";
  EXPECT_EQ(TaskFields("  one two,three"), (Parts{"one", "two", "three"})) << "unquoted fields end at blanks";
  EXPECT_EQ(TaskFields("a,"), (Parts{"a", ""})) << "a comma at the very end adds an empty field";
  EXPECT_EQ(TaskFields(",,"), (Parts{"", "", ""}));
  EXPECT_EQ(TaskFields(""), Parts{});
  EXPECT_EQ(TaskFields(std::string_view("^a^,^b\0c^", 9)), (Parts{"a", ""})) << "a NUL ends the text";
  EXPECT_EQ(TaskFields("^a^^"), (Parts{"a"})) << "a doubled quote at the end is an unclosed field's last character";
  EXPECT_EQ(TaskFields("^^,^"), (Parts{"", ""}));
}

TEST(SplitTaskLine, FieldsWithDoubledQuotesStayValidBesideEachOther) {
  // Every field but the plain one is rebuilt without its doubling; the
  // earlier ones must survive the later ones being added.
  EXPECT_EQ(TaskFields("^a^^b^,^plain^,^c^^^^d^,^^^e"), (Parts{"a^b", "plain", "c^^d", "^"}));
  EXPECT_EQ(TaskFields(std::string(200, '^')), (Parts{std::string(99, '^')}));
}

using Lines = std::vector<std::string_view>;

Lines ReadLines(std::string_view bytes) {
  Lines lines;
  datafiles::LineReader reader(bytes);
  for (std::string_view line; reader.Next(line);) lines.push_back(line);
  return lines;
}

TEST(LineReader, AllLineBreaksAndNul) {
  EXPECT_EQ(ReadLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(ReadLines("a\r\n"), (Lines{"a"}));
  EXPECT_EQ(ReadLines("a\r\n\r\nb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(ReadLines("\n\r\r\n"), (Lines{"", "", ""})) << "LF, CR, then CR LF";
  EXPECT_EQ(ReadLines(std::string_view("a\nb\0c\nd", 7)), (Lines{"a", "b"}));
  EXPECT_EQ(ReadLines(""), Lines{});
}

}  // namespace
