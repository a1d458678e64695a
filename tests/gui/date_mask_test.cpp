#include <gtest/gtest.h>

#include "ui/controls/DateMask.h"
#include "ui/controls/DateTyping.h"

using datemask::TDate;
using datemask::TDateMask;
using datemask::TEraseDirection;
using datemask::TFieldText;

namespace {

const TDateMask kUs("M/d/yyyy");

std::string Narrow(const std::u32string& text) {
  std::string narrow;
  for (const char32_t c : text) narrow += c < 0x80 ? static_cast<char>(c) : '?';
  return narrow;
}

// Types `keys` one by one into `text` with the cursor at `cursor`, as the
// field does, each refused key leaving the text alone. "\b" is Backspace,
// "\x7f" Delete.
TFieldText Typed(const TDateMask& mask, std::u32string text, size_t cursor, std::u32string_view keys,
                 size_t selection_end = 0) {
  TFieldText field{std::move(text), cursor};
  datemask::TSelection selection{cursor, std::max(cursor, selection_end)};
  for (const char32_t key : keys) {
    if (key == U'\b' || key == U'\x7f') {
      field = Erase(mask, field.text, selection,
                    key == U'\b' ? TEraseDirection::Backward : TEraseDirection::Forward);
    } else if (auto typed = Type(mask, field.text, selection, key)) {
      field = *typed;
    }
    selection = {field.cursor, field.cursor};
  }
  return field;
}

}  // namespace

TEST(DateMaskTest, SingleDigitsAreLedByABlankUnlessThePatternPadsWithZeros) {
  EXPECT_EQ(kUs.Format({2008, 7, 5}), U" 7/ 5/2008");
  EXPECT_EQ(kUs.Format({2007, 12, 13}), U"12/13/2007");
  EXPECT_EQ(TDateMask("dd.MM.yyyy").Format({2008, 7, 5}), U"05.07.2008");
  EXPECT_EQ(TDateMask("d/M/yy").Format({2008, 7, 5}), U" 5/ 7/08");
  EXPECT_EQ(TDateMask("yyyy-M-d").Format({2008, 7, 5}), U"2008- 7- 5");
}

TEST(DateMaskTest, ParsesOnlyTextsThatAreADateInThePatternsForm) {
  EXPECT_EQ(kUs.Parse(U" 7/ 5/2008"), (TDate{2008, 7, 5}));
  EXPECT_EQ(kUs.Parse(U"02/29/2008"), (TDate{2008, 2, 29}));
  for (const char32_t* no_date : {U"7/5/2008", U" 7/ 5/2008 ", U"  / 5/2008", U"1 / 5/2008", U"13/ 5/2008",
                                  U" 0/ 5/2008", U" 2/30/2008", U" 2/29/2007", U" 7- 5/2008", U" 7/ 5/    ",
                                  U" 7/ 5/200a", U"", U" 7/ 5/0000"})
    EXPECT_FALSE(kUs.Parse(no_date)) << Narrow(no_date);
  EXPECT_EQ(TDateMask("d/M/yy").Parse(U"29/ 2/00"), (TDate{2000, 2, 29}));
}

TEST(DateMaskTest, AdmitsUnfinishedPartsButNoPartOrDayThatCannotExist) {
  for (const char32_t* unfinished : {U"  /  /    ", U"1 /  /    ", U" 2/3 /    ", U" 2/29/    ", U"02/29/202 "})
    EXPECT_TRUE(kUs.Admits(unfinished)) << Narrow(unfinished);
  for (const char32_t* impossible : {U"13/  /    ", U"  /32/    ", U" 2/30/    ", U" 2/29/2023", U"  /  /0000",
                                     U"1 /  /   ", U"1x/  /    "})
    EXPECT_FALSE(kUs.Admits(impossible)) << Narrow(impossible);
}

TEST(DateMaskTest, LongerPatternsAndSeparatorsBeyondAsciiKeepOnePositionPerCharacter) {
  // Slovenian and Japanese short dates run past 10 characters.
  const TDateMask slovenian("d. M. yyyy");
  EXPECT_EQ(slovenian.Format({2008, 7, 5}), U" 5.  7. 2008");
  EXPECT_EQ(slovenian.Parse(U" 5.  7. 2008"), (TDate{2008, 7, 5}));
  const TDateMask japanese("yyyy\u5e74M\u6708d\u65e5");
  EXPECT_EQ(japanese.Format({2008, 7, 5}), U"2008\u5e74 7\u6708 5\u65e5");
  EXPECT_EQ(japanese.Parse(U"2008\u5e7412\u670831\u65e5"), (TDate{2008, 12, 31}));
  EXPECT_FALSE(japanese.Parse(U"2008\u5e74 7\u6708 5\u65e5 "));
  EXPECT_FALSE(japanese.Parse(U"2008/ 7\u6708 5\u65e5"));
  for (const size_t separator : {4, 7, 10}) EXPECT_TRUE(japanese.IsSeparatorAt(separator)) << separator;
  for (const size_t digit : {0, 5, 6, 9, 11}) EXPECT_FALSE(japanese.IsSeparatorAt(digit)) << digit;
}

// The keys as a user types them into a field showing 12/10/2026.
TEST(DateTypingTest, DigitsOverwriteSkipSeparatorsAndAPartIsJudgedWhenComplete) {
  struct Case {
    const char* what;
    size_t cursor, selection_end;
    std::u32string keys;
    TFieldText expected;
  };
  const Case cases[] = {
      {"Home, then a whole date", 0, 0, U"01022009", {U"01/02/2009", 10}},
      {"the month's 0 waits for its 1", 0, 0, U"0", {U"02/10/2026", 1}},
      {"a first digit that cannot stay is typed afresh", 3, 0, U"0", {U"12/0 /2026", 4}},
      {"... and completed", 3, 0, U"05", {U"12/05/2026", 6}},
      {"select-all, then a date with separators", 0, 10, U"1/2/2009", {U" 1/ 2/2009", 10}},
      {"select-all, then the shown form", 0, 10, U" 7/ 5/2008", {U" 7/ 5/2008", 10}},
      {"a separator after a full part is passed over", 0, 0, U"11/", {U"11/10/2026", 3}},
      {"month 13 is refused, the field stays", 0, 0, U"13", {U"12/10/2026", 1}},
      {"day 31 of a 30-day month is refused", 0, 0, U"11/31", {U"11/30/2026", 4}},
      {"past the end the text does not grow", 10, 0, U"1", {U"12/10/2026", 10}},
      {"letters are refused", 0, 0, U"a", {U"12/10/2026", 0}},
      {"Backspace clears the digit before, over a separator", 3, 0, U"\b", {U"1 /10/2026", 1}},
      {"Backspace twice clears the part", 3, 0, U"\b\b", {U"  /10/2026", 0}},
      {"Delete clears the digit at the cursor and moves on", 2, 0, U"\x7f\x7f", {U"12/  /2026", 6}},
      {"Backspace clears a selection", 3, 10, U"\b", {U"12/  /    ", 3}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Typed(kUs, U"12/10/2026", c.cursor, c.keys, c.selection_end), c.expected) << c.what;
  // " 2/31": clearing the 1 of 12 leaves a lead blank, and February has no 31st.
  EXPECT_EQ(Typed(kUs, U"12/31/2026", 1, U"\b"), (TFieldText{U"  /31/2026", 0}));
  // Two-digit patterns pad what a separator ends with zeros.
  EXPECT_EQ(Typed(TDateMask("dd.MM.yyyy"), U"05.07.2008", 0, U"1.2.2009", 10), (TFieldText{U"01.02.2009", 10}));
  // A year completed on 29 February must be a leap year.
  EXPECT_EQ(Typed(kUs, U" 2/29/2024", 6, U"2023", 10), (TFieldText{U" 2/29/202 ", 9}));
}

TEST(DateTypingTest, TextsNotInTheFormGiveWayToTheFirstKeyAndPastesAreAllOrNothing) {
  for (const char32_t* foreign : {U"", U"next week", U"2008-07-05", U"7/5/2008"}) {
    EXPECT_EQ(Typed(kUs, foreign, 0, U"3"), (TFieldText{U"3 /  /    ", 1})) << Narrow(foreign);
    EXPECT_EQ(Typed(kUs, foreign, 0, U"\b"), (TFieldText{U"  /  /    ", 0})) << Narrow(foreign);
  }
  EXPECT_EQ(Paste(kUs, U"12/10/2026", {0, 10}, U"1/2/2009\n"), (TFieldText{U" 1/ 2/2009", 10}));
  EXPECT_EQ(Paste(kUs, U"", {0, 0}, U"12/24/2008"), (TFieldText{U"12/24/2008", 10}));
  EXPECT_FALSE(Paste(kUs, U"12/10/2026", {0, 10}, U"2008-07-05"));
  EXPECT_FALSE(Paste(kUs, U"12/10/2026", {0, 10}, U"not a date"));
}
