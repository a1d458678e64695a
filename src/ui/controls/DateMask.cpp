#include "ui/controls/DateMask.h"

#include <vector>

#include "platform/Utf8.h"

namespace datemask {
namespace {

enum class Field { Separator, Month, Day, Year };

// One slot of the field text per character, so that slot numbers are the
// cursor positions of the edit even where a locale separates with characters
// beyond ASCII ("2008年 7月 5日").
struct Slot {
  Field field;
  std::string_view literal;  // a separator's UTF-8 bytes, within the pattern
  bool zero_led;             // "MM", "dd": a single digit is led by "0"
};

std::vector<Slot> Slots(std::string_view pattern) {
  std::vector<Slot> slots;
  size_t i = 0;
  while (i < pattern.size()) {
    const char letter = pattern[i];
    if (letter != 'M' && letter != 'd' && letter != 'y') {
      const size_t start = i;
      platform::NextCodePoint(pattern, i);
      slots.push_back({Field::Separator, pattern.substr(start, i - start), false});
      continue;
    }
    size_t run = 1;
    while (i + run < pattern.size() && pattern[i + run] == letter) ++run;
    const Field field = letter == 'M' ? Field::Month : letter == 'd' ? Field::Day : Field::Year;
    const size_t width = field == Field::Year && run > 2 ? 4 : 2;
    for (size_t k = 0; k < width; ++k) slots.push_back({field, {}, run >= 2});
    i += run;
  }
  return slots;
}

}  // namespace

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

bool IsSeparatorAt(std::string_view pattern, size_t position) {
  const std::vector<Slot> slots = Slots(pattern);
  return position < slots.size() && slots[position].field == Field::Separator;
}

std::string Format(std::string_view pattern, TDate date) {
  const std::vector<Slot> slots = Slots(pattern);
  std::string text;
  size_t i = 0;
  while (i < slots.size()) {
    const Slot& slot = slots[i];
    if (slot.field == Field::Separator) {
      text += slot.literal;
      ++i;
      continue;
    }
    size_t width = 0;
    while (i + width < slots.size() && slots[i + width].field == slot.field) ++width;
    const int value = slot.field == Field::Month ? date.month
                      : slot.field == Field::Day ? date.day
                                                 : (width == 2 ? date.year % 100 : date.year);
    std::string digits = std::to_string(value);
    if (digits.size() > width) digits = digits.substr(digits.size() - width);
    const char lead = slot.field == Field::Year || slot.zero_led ? '0' : ' ';
    text.append(width - digits.size(), lead);
    text += digits;
    i += width;
  }
  return text;
}

std::optional<TDate> Parse(std::string_view pattern, std::string_view text) {
  const std::vector<Slot> slots = Slots(pattern);
  TDate date;
  int year_width = 4;
  size_t at = 0;  // byte offset into `text`
  size_t i = 0;
  while (i < slots.size()) {
    const Slot& slot = slots[i];
    if (slot.field == Field::Separator) {
      if (text.substr(at, slot.literal.size()) != slot.literal) return std::nullopt;
      at += slot.literal.size();
      ++i;
      continue;
    }
    int value = 0;
    bool seen_digit = false;
    size_t width = 0;
    for (; i + width < slots.size() && slots[i + width].field == slot.field; ++width, ++at) {
      if (at >= text.size()) return std::nullopt;
      const char c = text[at];
      if (c == ' ' && !seen_digit) continue;
      if (c < '0' || c > '9') return std::nullopt;
      seen_digit = true;
      value = value * 10 + (c - '0');
    }
    if (!seen_digit) return std::nullopt;
    if (slot.field == Field::Month) date.month = value;
    if (slot.field == Field::Day) date.day = value;
    if (slot.field == Field::Year) date.year = value, year_width = static_cast<int>(width);
    i += width;
  }
  if (at != text.size()) return std::nullopt;
  // A two-digit year reads as the years 1950 to 2049; only validity matters.
  if (year_width == 2) date.year += date.year < 50 ? 2000 : 1900;
  if (date.year < 1 || date.month < 1 || date.month > 12) return std::nullopt;
  if (date.day < 1 || date.day > DaysInMonth(date.year, date.month)) return std::nullopt;
  return date;
}

}  // namespace datemask
